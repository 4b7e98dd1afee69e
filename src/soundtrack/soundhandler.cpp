// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundhandler.h"

#include "platform/alerts.h"
#include "platform/log.h"
#include "platform/medialength.h"
#include "platform/openpanels.h"
#include "platform/sounds.h"
#include "soundtrack/soundtrackmodel.h"

#include <QStringList>
#include <algorithm>
#include <limits>

namespace lanternreel {

namespace {

int32_t clampToInt32(int64_t value)
{
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

SoundHandler::SoundHandler(const Services &services)
    : m_services(services)
    , m_model(std::make_unique<SoundtrackModel>(*this))
{ }

// The sounds call back into this handler, so none may report anything while the handler is
// being taken apart: stop first, then cut every callback before the sounds go with the lists.
SoundHandler::~SoundHandler()
{
    if (soundIsPlaying)
        stopSound();
    for (const auto &sound : soundsToPlay)
        sound->setOnFinished(nullptr);
}

void SoundHandler::listenTo(Sound &sound)
{
    sound.setOnFinished([this](bool finishedToEnd) { soundDidFinishPlaying(finishedToEnd); });
}

void SoundHandler::addSong()
{
    m_services.log->out(QStringLiteral("In addSong"));
    const QStringList types = m_services.sounds->soundFileTypes();
    const std::optional<QStringList> paths = m_services.openPanels->chooseSounds(types);
    if (!paths)
        return;

    for (const QString &path : *paths) {
        std::unique_ptr<Sound> sound = m_services.sounds->makeSound(path);
        // A file without a sound object is as unusable as one without a length; asked first so
        // that its seconds never reach the total.
        std::optional<QString> length;
        if (sound) {
            length = getSoundLength(path);
        } else {
            // Its length cannot be found either. The file is not opened to ask: what no sound can
            // be made from may be a pipe or a device that never ends.
            m_services.log->out(QStringLiteral("Error in finding sound file length."));
        }
        if (!length) {
            // The files before this one are in the soundtrack, and already in every table while
            // the alert waits for the user.
            m_services.alerts->alert(tr("Invalid Sound File"),
                                     tr("The sound file you have selected is invalid."));
            return;
        }
        listenTo(*sound);
        m_model->aboutToAppend(numSounds());
        soundLengths.push_back(*length);
        soundNames.push_back(createCleanName(path));
        soundsToPlay.push_back(std::move(sound));
        m_model->appended();
    }
}

void SoundHandler::removeSong(const QList<int> &selectedRows)
{
    if (selectedRows.isEmpty())
        return;
    const int row = *std::min_element(selectedRows.begin(), selectedRows.end());
    takeSounds(row, 1);
}

QVariant SoundHandler::objectValueForTableColumn(const QString &columnIdentifier, int32_t row) const
{
    if (row < 0 || row >= numSounds())
        return {};
    if (columnIdentifier == QLatin1String("songs"))
        return soundNames[static_cast<size_t>(row)];
    if (columnIdentifier == QLatin1String("duration"))
        return soundLengths[static_cast<size_t>(row)];
    return {};
}

std::optional<QString> SoundHandler::writeRows(const QList<int> &rows)
{
    if (rows.size() != 1 || rows.front() < 0 || rows.front() >= numSounds())
        return std::nullopt;
    draggedRow = rows.front();
    return soundsToPlay[static_cast<size_t>(draggedRow)]->name();
}

bool SoundHandler::acceptDrop(int32_t row, bool fromThisTable)
{
    // Only a drag that started here says which row moves; anything else would swap with the row
    // of some earlier drag.
    if (!fromThisTable || soundsToPlay.empty())
        return false;
    // Compared unsigned so that a negative row, too, lands on the last one.
    if (static_cast<uint32_t>(row) >= static_cast<uint32_t>(numSounds()))
        row = numSounds() - 1;
    // The dragged sound may have been removed while the drag was under way.
    if (draggedRow < 0 || draggedRow >= numSounds())
        return false;

    m_services.log->out(QStringLiteral("here"));
    swapSounds(draggedRow, row);
    m_model->swapped(std::min(draggedRow, row), std::max(draggedRow, row));
    return true;
}

void SoundHandler::moveSound(int32_t from, int32_t before)
{
    auto move = [from, before](auto &list) {
        const auto first = list.begin();
        if (before > from)
            std::rotate(first + from, first + from + 1, first + before);
        else
            std::rotate(first + before, first + from, first + from + 1);
    };
    m_model->aboutToMove(from, before);
    move(soundsToPlay);
    move(soundNames);
    move(soundLengths);
    m_model->moved();
}

void SoundHandler::playSound()
{
    if (soundsToPlay.empty())
        return;
    // A restart while the soundtrack still plays starts it over: a second sound alongside would
    // outlive a stop, which silences only the sound at the play position, and go on to the next.
    stopSound();
    soundIndex = 0;
    playFrom(0);
}

void SoundHandler::playFrom(int32_t index)
{
    for (int32_t i = std::max(0, index); i < numSounds(); ++i) {
        Sound &sound = *soundsToPlay[static_cast<size_t>(i)];
        if (!sound.canPlay())
            continue;
        soundIndex = i;
        // Set before play(): a sound that ends at once must find the soundtrack playing.
        soundIsPlaying = true;
        m_soundStarted.start();
        sound.play();
        m_model->playingChanged();
        return;
    }
    soundIsPlaying = false;
    m_model->playingChanged();
}

void SoundHandler::stopSound()
{
    if (soundsToPlay.empty() || soundIndex < 0 || soundIndex >= numSounds())
        return;
    Sound &current = *soundsToPlay[static_cast<size_t>(soundIndex)];
    if (!current.isPlaying())
        return;
    current.stop();
    soundIsPlaying = false;
    m_model->playingChanged();
}

void SoundHandler::soundDidFinishPlaying(bool finishedPlaying)
{
    if (!finishedPlaying)
        return;
    if (soundsToPlay.empty() || soundIndex >= numSounds() - 1) {
        soundIsPlaying = false;
        m_model->playingChanged();
        return;
    }
    playFrom(soundIndex + 1);
}

bool SoundHandler::restoreSoundtrack(std::vector<std::unique_ptr<Sound>> sounds,
                                     std::vector<QString> lengths,
                                     std::vector<QString> displayNames, int32_t index,
                                     int32_t total)
{
    if (lengths.size() != sounds.size() || displayNames.size() != sounds.size())
        return false;
    if (std::find(sounds.begin(), sounds.end(), nullptr) != sounds.end())
        return false;
    const auto count = static_cast<int64_t>(sounds.size());
    if (index < 0 || index > std::max<int64_t>(0, count - 1) || total < 0)
        return false;
    if (soundIsPlaying)
        stopSound();
    for (const auto &sound : soundsToPlay)
        sound->setOnFinished(nullptr);
    m_model->aboutToReplace();
    soundsToPlay = std::move(sounds);
    soundLengths = std::move(lengths);
    soundNames = std::move(displayNames);
    m_model->replaced();
    soundIndex = index;
    totalLength = total;
    // A show file's sounds come without anyone to hear their end; without this the soundtrack
    // of a reopened show would stop after its first sound.
    for (const auto &sound : soundsToPlay)
        listenTo(*sound);
    return true;
}

std::vector<const Sound *> SoundHandler::unplayableSounds() const
{
    std::vector<const Sound *> unplayable;
    for (const auto &sound : soundsToPlay) {
        if (!sound->canPlay())
            unplayable.push_back(sound.get());
    }
    return unplayable;
}

bool SoundHandler::relinkSound(int32_t row, std::unique_ptr<Sound> sound, int32_t seconds)
{
    if (!sound || row < 0 || row >= numSounds())
        return false;
    auto &old = soundsToPlay[static_cast<size_t>(row)];
    // Only a sound that is silent can be swapped without the soundtrack losing its place.
    if (old->isPlaying())
        return false;
    QString &length = soundLengths[static_cast<size_t>(row)];
    totalLength = clampToInt32(int64_t { totalLength } - secondsOfTimeString(length) + seconds);
    totalLength = std::max(0, totalLength);
    length = getTimeString(seconds);
    old->setOnFinished(nullptr);
    old = std::move(sound);
    listenTo(*old);
    m_model->rowChanged(row);
    return true;
}

std::optional<QString> SoundHandler::getSoundLength(const QString &path)
{
    const MediaDuration length = m_services.mediaLength->lengthOf(path);
    // A negative duration (an unknown one, for some readers) or a zero time scale gives no
    // number of seconds either.
    if (length.duration <= 0 || length.timeScale <= 0) {
        m_services.log->out(QStringLiteral("Error in finding sound file length."));
        return std::nullopt;
    }
    const int32_t seconds = clampToInt32(length.duration / length.timeScale);
    totalLength = clampToInt32(int64_t { totalLength } + seconds);
    return getTimeString(seconds);
}

QString SoundHandler::getTimeString(int32_t seconds)
{
    // Lengths and totals are never negative; should one be, it reads as nothing.
    if (seconds <= 0)
        return QStringLiteral("0:00");
    const int32_t hours = seconds / 3600;
    const int32_t minutes = seconds % 3600 / 60;
    const int32_t secs = seconds % 60;
    if (hours == 0)
        return QString::number(minutes) + QLatin1Char(':') + twoDigits(secs);
    return QString::number(hours) + QLatin1Char(':') + twoDigits(minutes) + QLatin1Char(':')
        + twoDigits(secs);
}

int32_t SoundHandler::secondsOfTimeString(const QString &timeString)
{
    int64_t seconds = 0;
    const QStringList parts = timeString.split(QLatin1Char(':'));
    if (parts.size() < 2 || parts.size() > 3)
        return 0;
    for (const QString &part : parts) {
        bool ok = false;
        const int value = part.toInt(&ok);
        if (!ok || value < 0)
            return 0;
        seconds = seconds * 60 + value;
    }
    return clampToInt32(seconds);
}

QString SoundHandler::createCleanName(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? path : path.mid(slash + 1);
}

} // namespace lanternreel
