#pragma once

#include <QObject>
#include <QPointer>

class QLabel;
class QStatusBar;

namespace lanternreel {

class Show;

// The show's window's status bar: which slide of how many is current, the time between slides,
// and whether the show runs, loops and goes in random order. It follows the show's signals.
class ShowStatus : public QObject
{
    Q_OBJECT

public:
    ShowStatus(Show &show, QStatusBar *bar);

    QString positionText() const;
    QString intervalText() const;
    QString stateText() const;

private:
    void refresh();

    Show &m_show;
    QPointer<QLabel> m_position;
    QPointer<QLabel> m_interval;
    QPointer<QLabel> m_state;
};

} // namespace lanternreel
