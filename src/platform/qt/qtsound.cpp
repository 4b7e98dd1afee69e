// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtsound.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioOutput>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QMessageBox>
#include <QUrl>

namespace lanternreel {

void QtSound::DeleteLater::operator()(QObject *object) const
{
    object->deleteLater();
}

QtSound::QtSound(const QString &path, std::function<void()> beforePlay)
    : m_path(path)
    , m_beforePlay(std::move(beforePlay))
    , m_context(std::make_unique<QObject>())
{
    // A show is read off the GUI thread, and its sounds made there; their reports must still
    // arrive on the GUI thread, where the soundtrack lives.
    if (QCoreApplication *application = QCoreApplication::instance())
        m_context->moveToThread(application->thread());
}

QtSound::~QtSound()
{
    m_onFinished = nullptr;
    if (m_player)
        m_player->stop();
    releasePlayer();
}

QString QtSound::name() const
{
    return QFileInfo(m_path).fileName();
}

void QtSound::setOnFinished(std::function<void(bool finishedToEnd)> callback)
{
    m_onFinished = std::move(callback);
}

void QtSound::play()
{
    if (m_playing)
        return;
    releasePlayer();
    if (m_beforePlay)
        m_beforePlay();
    m_playing = true;
    m_player.reset(new QMediaPlayer);
    auto *output = new QAudioOutput(m_player.get());
    m_player->setAudioOutput(output);
    QMediaPlayer *player = m_player.get();
    QObject::connect(player, &QMediaPlayer::mediaStatusChanged, player,
                     [this](QMediaPlayer::MediaStatus status) {
                         if (status == QMediaPlayer::EndOfMedia && m_playing)
                             finish(true);
                     });
    // A file that cannot be played counts as played: the soundtrack goes on with the next sound
    // instead of waiting for an end that never comes. Reported from the event loop, since the
    // backend may report the error from inside play().
    QObject::connect(player, &QMediaPlayer::errorOccurred, player, [this] {
        if (!m_playing)
            return;
        m_playing = false;
        releasePlayer();
        QMetaObject::invokeMethod(
            m_context.get(),
            [this] {
                if (auto callback = m_onFinished)
                    callback(true);
            },
            Qt::QueuedConnection);
    });
    player->setSource(QUrl::fromLocalFile(m_path));
    player->play();
}

void QtSound::stop()
{
    if (!m_playing)
        return;
    if (m_player)
        m_player->stop();
    finish(false);
}

void QtSound::finish(bool finishedToEnd)
{
    m_playing = false;
    releasePlayer();
    // A copy: the callback may replace the sound's callback.
    if (auto callback = m_onFinished)
        callback(finishedToEnd);
}

// Called from the player's own signals too, so it only cuts the player off; the pipeline stops
// when the player is deleted.
void QtSound::releasePlayer()
{
    if (!m_player)
        return;
    m_player->disconnect();
    m_player.reset();
}

QtSoundFactory::QtSoundFactory(std::function<bool()> hasOutput)
    : m_hasOutput(hasOutput ? std::move(hasOutput)
                            : [] { return !QMediaDevices::audioOutputs().isEmpty(); })
{ }

std::unique_ptr<Sound> QtSoundFactory::makeSound(const QString &path)
{
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable())
        return nullptr;
    return std::make_unique<QtSound>(file.absoluteFilePath(), [this] { checkOutput(); });
}

// Not modal: the show goes on behind it.
void QtSoundFactory::checkOutput()
{
    if (m_told || m_hasOutput())
        return;
    m_told = true;
    auto *box = new QMessageBox(
        QMessageBox::Information, QCoreApplication::translate("QtSoundFactory", "No Sound Output"),
        QCoreApplication::translate("QtSoundFactory",
                                    "Lanternreel found no audio device or sound server, so the "
                                    "soundtrack plays silently."),
        QMessageBox::Ok, QApplication::activeWindow());
    box->setObjectName(QStringLiteral("noSoundOutput"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

// What the GStreamer plugins the program ships with decode: WAV and AIFF, MP3, Ogg (Vorbis,
// Opus), FLAC, and AAC alone or in an MPEG-4 file.
QStringList QtSoundFactory::soundFileTypes() const
{
    return { QStringLiteral("wav"),  QStringLiteral("aif"),  QStringLiteral("aiff"),
             QStringLiteral("aifc"), QStringLiteral("mp3"),  QStringLiteral("ogg"),
             QStringLiteral("oga"),  QStringLiteral("opus"), QStringLiteral("flac"),
             QStringLiteral("m4a"),  QStringLiteral("aac") };
}

} // namespace lanternreel
