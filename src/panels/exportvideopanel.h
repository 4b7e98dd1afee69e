#pragma once

#include "export/videoexport.h"

#include <QDialog>
#include <QSize>
#include <cstdint>

class QComboBox;
class QLabel;
class QRadioButton;

namespace lanternreel {

// What File › Export Video… asks before the file: the size of the video and where it ends. The
// lengths each ending gives are shown beside it. Modal to the show's window only, and let go
// once closed.
class ExportVideoPanel : public QDialog
{
    Q_OBJECT

public:
    // Frame sizes offered, in pixels; the first is the default.
    static const QList<QSize> &sizes();

    // `slides` slides `seconds` apart, and a soundtrack of `soundtrackSeconds`.
    ExportVideoPanel(int32_t slides, int32_t seconds, int32_t soundtrackSeconds, QWidget *parent);

    QSize frameSize() const;
    VideoExportSettings::Ending ending() const;

    QComboBox *sizeChoice() const { return m_size; }
    QRadioButton *untilMusicEndsChoice() const { return m_untilMusicEnds; }

private:
    QComboBox *m_size = nullptr;
    QRadioButton *m_lastSlide = nullptr;
    QRadioButton *m_untilMusicEnds = nullptr;
};

} // namespace lanternreel
