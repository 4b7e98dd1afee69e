#include "presenterview.h"

#include "display/fakeimageview.h"

#include <QFont>
#include <QHBoxLayout>
#include <QPalette>
#include <QVBoxLayout>

namespace lanternreel {

namespace {

// Dark, so that a presenter's screen facing the room does not light it up.
const QColor Background(0x1e, 0x1e, 0x1e);
const QColor Text(0xe8, 0xe8, 0xe8);

QLabel *label(QWidget *parent, qreal scale)
{
    auto *text = new QLabel(parent);
    QFont font = text->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    text->setFont(font);
    text->setWordWrap(true);
    return text;
}

} // namespace

PresenterView::PresenterView(QWidget *parent)
    : QWidget(parent)
{
    QPalette colors = palette();
    colors.setColor(QPalette::Window, Background);
    colors.setColor(QPalette::WindowText, Text);
    setPalette(colors);
    setAutoFillBackground(true);

    m_current = new FakeImageView(this);
    m_current->setBackgroundColor(Background);
    m_next = new FakeImageView(this);
    m_next->setBackgroundColor(Background);
    m_nextCaption = label(this, 1.6);
    m_position = label(this, 2.4);
    m_passLeft = label(this, 1.6);
    m_soundtrackLeft = label(this, 1.6);
    m_playing = label(this, 1.6);

    auto *side = new QVBoxLayout;
    side->addWidget(m_nextCaption);
    side->addWidget(m_next, 3);
    side->addSpacing(24);
    side->addWidget(m_position);
    side->addWidget(m_passLeft);
    side->addWidget(m_soundtrackLeft);
    side->addWidget(m_playing);
    side->addStretch(2);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(24);
    layout->addWidget(m_current, 3);
    layout->addLayout(side, 2);
    setNext(nullptr);
}

QString PresenterView::nextText()
{
    return tr("Next");
}

QString PresenterView::endText()
{
    return tr("Next: none, the show ends here");
}

// The clock refreshes the view several times a second: the same slide is not drawn again.
void PresenterView::setCurrent(const SlidePtr &slide)
{
    if (m_current->image() != slide)
        m_current->setImage(slide);
}

void PresenterView::setNext(const SlidePtr &slide)
{
    if (m_next->image() != slide)
        m_next->setImage(slide);
    m_nextCaption->setText(slide ? nextText() : endText());
}

void PresenterView::setTexts(const QString &position, const QString &passLeft,
                             const QString &soundtrackLeft, const QString &playing)
{
    m_position->setText(position);
    m_passLeft->setText(passLeft);
    m_soundtrackLeft->setText(soundtrackLeft);
    m_playing->setText(playing);
}

} // namespace lanternreel
