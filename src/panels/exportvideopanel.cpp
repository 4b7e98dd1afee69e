#include "exportvideopanel.h"

#include "soundtrack/soundhandler.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace lanternreel {

const QList<QSize> &ExportVideoPanel::sizes()
{
    static const QList<QSize> offered { { 1920, 1080 }, { 1280, 720 }, { 3840, 2160 } };
    return offered;
}

ExportVideoPanel::ExportVideoPanel(int32_t slides, int32_t seconds, int32_t soundtrackSeconds,
                                   QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Export Video"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);

    m_size = new QComboBox(this);
    m_size->setObjectName(QStringLiteral("size"));
    const QStringList names { tr("Full HD"), tr("HD"), tr("4K Ultra HD") };
    for (qsizetype i = 0; i < sizes().size(); ++i) {
        const QSize size = sizes()[i];
        m_size->addItem(tr("%1 × %2 (%3)").arg(size.width()).arg(size.height()).arg(names[i]));
    }

    // Whole seconds, as the show's other lengths are given.
    const int64_t slidesLength = std::min<int64_t>(int64_t(slides) * seconds, INT32_MAX);
    const auto length = [](int64_t total) { return SoundHandler::getTimeString(int32_t(total)); };
    m_lastSlide = new QRadioButton(
        tr("End with the last slide (%1); the music is cut there").arg(length(slidesLength)), this);
    m_lastSlide->setObjectName(QStringLiteral("endWithLastSlide"));
    m_untilMusicEnds
        = new QRadioButton(tr("Hold the last slide until the music ends (%1)")
                               .arg(length(std::max<int64_t>(slidesLength, soundtrackSeconds))),
                           this);
    m_untilMusicEnds->setObjectName(QStringLiteral("untilMusicEnds"));
    m_lastSlide->setChecked(true);
    // Without music there is nothing to wait for.
    m_untilMusicEnds->setEnabled(soundtrackSeconds > 0);

    auto *endings = new QVBoxLayout;
    endings->addWidget(m_lastSlide);
    endings->addWidget(m_untilMusicEnds);
    auto *form = new QFormLayout;
    form->addRow(tr("Size:"), m_size);
    form->addRow(tr("Ending:"), endings);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Export…"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

QSize ExportVideoPanel::frameSize() const
{
    return sizes().value(m_size->currentIndex(), sizes().first());
}

VideoExportSettings::Ending ExportVideoPanel::ending() const
{
    return m_untilMusicEnds->isChecked() ? VideoExportSettings::Ending::SoundtrackEnd
                                         : VideoExportSettings::Ending::LastSlide;
}

} // namespace lanternreel
