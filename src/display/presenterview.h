#pragma once

#include "slides/slide.h"

#include <QLabel>
#include <QWidget>

namespace lanternreel {

class FakeImageView;

// What the person presenting sees on their own screen while the audience sees the show: the
// slide on show, the one that comes next (or that the show ends after this one), where the show
// stands, how long the pass and the soundtrack still run, and the sound playing. It shows what
// it is given; the presenter fills it.
class PresenterView : public QWidget
{
    Q_OBJECT

public:
    explicit PresenterView(QWidget *parent = nullptr);

    void setCurrent(const SlidePtr &slide);
    // nullptr: no slide follows this one, and the view says the show ends.
    void setNext(const SlidePtr &slide);
    void setTexts(const QString &position, const QString &passLeft, const QString &soundtrackLeft,
                  const QString &playing);

    FakeImageView *currentView() const { return m_current; }
    FakeImageView *nextView() const { return m_next; }
    // "Next", or the end marker when no slide follows.
    const QLabel *nextCaption() const { return m_nextCaption; }
    // "12 of 60".
    const QLabel *position() const { return m_position; }
    const QLabel *passLeft() const { return m_passLeft; }
    const QLabel *soundtrackLeft() const { return m_soundtrackLeft; }
    const QLabel *playing() const { return m_playing; }

    // The caption over the next slide, and the one shown in its place when there is none.
    static QString nextText();
    static QString endText();

private:
    FakeImageView *m_current = nullptr;
    FakeImageView *m_next = nullptr;
    QLabel *m_nextCaption = nullptr;
    QLabel *m_position = nullptr;
    QLabel *m_passLeft = nullptr;
    QLabel *m_soundtrackLeft = nullptr;
    QLabel *m_playing = nullptr;
};

} // namespace lanternreel
