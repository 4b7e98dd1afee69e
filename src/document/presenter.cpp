#include "presenter.h"

#include "display/presenterview.h"
#include "document/mydocument.h"
#include "document/show.h"
#include "document/sliderwindow.h"
#include "platform/sounds.h"
#include "slides/imagehandler.h"
#include "soundtrack/soundhandler.h"
#include "soundtrack/soundtrackmodel.h"

#include <QMainWindow>
#include <algorithm>
#include <limits>

namespace lanternreel {

namespace {

QString timeLeft(int64_t milliseconds)
{
    // Rounded up: a pass with half a second to go has not ended.
    const int64_t seconds = (std::max<int64_t>(0, milliseconds) + 999) / 1000;
    return SoundHandler::getTimeString(
        static_cast<int32_t>(std::min<int64_t>(seconds, std::numeric_limits<int32_t>::max())));
}

} // namespace

Presenter::Presenter(MyDocument &document, Show &show, const QRect &frame, const QMainWindow *menus,
                     QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_show(show)
{
    // The window deletes itself when it closes.
    auto *window = new SliderWindow(frame);
    m_window = window;
    window->setCurrentDocument(&document);
    if (menus)
        window->carryMenuCommands(*menus);
    connect(window, &SliderWindow::windowWillClose, this, &Presenter::windowWillClose);
    m_view = new PresenterView;
    window->setBackgroundColor(m_view->palette().color(QPalette::Window));
    window->setContentView(m_view);

    // A step of any kind starts the countdown of the slide over, as it does the show's timer.
    const auto restartStep = [this] {
        m_sinceStep.start();
        refresh();
    };
    connect(&m_show, &Show::currentSlideChanged, this, restartStep);
    connect(&m_show, &Show::runningChanged, this, restartStep);
    connect(&m_show, &Show::loopChanged, this, &Presenter::refresh);
    connect(&m_show, &Show::randomChanged, this, &Presenter::refresh);
    connect(&m_show, &Show::shownSlideChanged, this, &Presenter::refresh);
    const SoundtrackModel *soundtrack = document.getSoundHandler()->model();
    connect(soundtrack, &SoundtrackModel::playbackChanged, this, &Presenter::refresh);
    connect(soundtrack, &QAbstractItemModel::rowsInserted, this, &Presenter::refresh);
    connect(soundtrack, &QAbstractItemModel::rowsRemoved, this, &Presenter::refresh);
    connect(soundtrack, &QAbstractItemModel::rowsMoved, this, &Presenter::refresh);
    connect(soundtrack, &QAbstractItemModel::dataChanged, this, &Presenter::refresh);
    connect(&m_clock, &QTimer::timeout, this, &Presenter::refresh);
    m_clock.start(250);
    m_sinceStep.start();
    refresh();
}

Presenter::~Presenter()
{
    close();
}

void Presenter::show()
{
    if (m_window)
        m_window->makeKeyAndOrderFront();
}

void Presenter::close()
{
    m_clock.stop();
    if (m_window)
        m_window->close();
}

SliderWindow *Presenter::window() const
{
    return m_window;
}

PresenterView *Presenter::view() const
{
    return m_view;
}

void Presenter::refresh()
{
    if (!m_view)
        return;
    const ImageHandler &slides = m_show.slides();
    m_view->setCurrent(m_show.currentSlide());
    m_view->setNext(slides.peekNextImage());

    const int32_t count = slides.numImages();
    const int32_t at = count > 0 ? std::clamp(slides.returnIndex(), 0, count - 1) : -1;
    const QString position = tr("%1 of %2").arg(at + 1).arg(count);
    // This slide's whole interval and those of the slides after it, less what a running show
    // has already spent on this one.
    const int64_t interval = int64_t { m_show.interval() } * 1000;
    int64_t pass = (count - at - (count > 0 ? 0 : 1)) * interval;
    if (m_show.isRunning())
        pass -= std::min<int64_t>(m_sinceStep.elapsed(), interval);
    const QString passLeft = tr("Slides: %1 left in the pass").arg(timeLeft(pass));

    const SoundHandler &sounds = *m_document.getSoundHandler();
    QString soundtrackLeft = tr("Soundtrack: not playing");
    QString playing = tr("Playing: nothing");
    // Read afresh each time: a drop in the soundtrack table moves the sound playing.
    const int32_t soundIndex = sounds.isPlaying() ? sounds.returnSoundIndex() : -1;
    if (soundIndex >= 0 && soundIndex < sounds.numSounds()) {
        const auto &lengths = sounds.returnSoundLengths();
        int64_t left
            = int64_t { SoundHandler::secondsOfTimeString(lengths[size_t(soundIndex)]) } * 1000
            - sounds.playingFor();
        left = std::max<int64_t>(0, left);
        // The sounds after it that can play; the soundtrack skips the others.
        for (int32_t i = soundIndex + 1; i < sounds.numSounds(); ++i) {
            if (sounds.returnSounds()[size_t(i)]->canPlay())
                left += int64_t { SoundHandler::secondsOfTimeString(lengths[size_t(i)]) } * 1000;
        }
        soundtrackLeft = tr("Soundtrack: %1 left").arg(timeLeft(left));
        playing = tr("Playing: %1").arg(sounds.returnSoundNames()[size_t(soundIndex)]);
    }
    m_view->setTexts(position, passLeft, soundtrackLeft, playing);
}

} // namespace lanternreel
