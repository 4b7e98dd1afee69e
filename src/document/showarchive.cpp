// SPDX-License-Identifier: GPL-3.0-or-later
#include "showarchive.h"

#include "document/model.h"
#include "platform/medialength.h"
#include "platform/sounds.h"
#include "slides/imagecodec.h"
#include "slides/imagehandler.h"
#include "slides/jpegencoder.h"
#include "slides/orderedwork.h"
#include "slides/storedpictures.h"
#include "soundtrack/soundhandler.h"
#include "soundtrack/unplayablesound.h"

#include <QCborStreamReader>
#include <QCborStreamWriter>
#include <QCoreApplication>
#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <limits>
#include <optional>

namespace lanternreel {

namespace {

const QLatin1String ClassKey("class");

// Passes everything on to the real device and remembers a write that did not go through, which
// QCborStreamWriter itself does not report.
class CheckedDevice : public QIODevice
{
public:
    explicit CheckedDevice(QIODevice &target)
        : m_target(target)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    bool failed() const { return m_failed; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override
    {
        if (m_failed)
            return -1;
        if (m_target.write(data, length) != length) {
            m_failed = true;
            return -1;
        }
        return length;
    }

private:
    QIODevice &m_target;
    bool m_failed = false;
};

// What the writer writes, wherever it comes from: a model's stored form, or a snapshot of a
// show whose pictures were just encoded.
struct StoredShow
{
    std::size_t pictureCount;
    // The stored picture at an index, asked for once each, in order; nothing stops the writing,
    // which then fails.
    const std::function<std::optional<QByteArray>(std::size_t)> &jpegAt;
    const std::vector<QString> &names;
    const std::vector<int32_t> &randomOrder;
    const std::vector<QString> &soundPaths;
    const std::vector<QString> &soundLengths;
    const std::vector<QString> &soundNames;
    int32_t soundIndex;
    int32_t totalLength;
};

class ShowWriter
{
public:
    explicit ShowWriter(QIODevice &device)
        : m_checked(device)
        , m_writer(&m_checked)
    { }

    bool write(const StoredShow &show)
    {
        m_writer.startArray(3);
        m_writer.append(QLatin1String(ShowMagic));
        m_writer.append(ShowFormatVersion);
        startObject("Model", 2);
        key("imageHandle");
        writeImageHandler(show);
        key("soundHandle");
        writeSoundHandler(show);
        m_writer.endMap();
        m_writer.endArray();
        return !m_checked.failed() && !m_pictureMissing;
    }

private:
    void key(const char *name) { m_writer.append(QLatin1String(name)); }
    void startObject(const char *className, int keys)
    {
        m_writer.startMap(keys + 1);
        m_writer.append(ClassKey);
        m_writer.append(QLatin1String(className));
    }
    void text(const QString &value)
    {
        if (value.isNull())
            m_writer.appendNull(); // a slide without a name, which is not one named ""
        else
            m_writer.append(value);
    }
    void texts(const std::vector<QString> &values)
    {
        m_writer.startArray(values.size());
        for (const QString &value : values)
            m_writer.append(value);
        m_writer.endArray();
    }

    void writeImageHandler(const StoredShow &show)
    {
        startObject("ImageHandler", 3);
        key("compressedImages");
        m_writer.startArray(show.pictureCount);
        for (std::size_t i = 0; i < show.pictureCount; ++i) {
            if (m_checked.failed())
                return; // the save has failed; no point writing the rest
            const std::optional<QByteArray> jpeg = show.jpegAt(i);
            if (!jpeg) {
                m_pictureMissing = true;
                return;
            }
            m_writer.append(*jpeg);
        }
        m_writer.endArray();
        key("names");
        m_writer.startArray(show.names.size());
        for (const QString &name : show.names)
            text(name);
        m_writer.endArray();
        key("random");
        m_writer.startArray(show.randomOrder.size());
        for (int32_t position : show.randomOrder)
            m_writer.append(quint64(position));
        m_writer.endArray();
        m_writer.endMap();
    }

    void writeSoundHandler(const StoredShow &show)
    {
        startObject("SoundHandler", 5);
        key("soundsToPlay");
        m_writer.startArray(show.soundPaths.size());
        for (const QString &path : show.soundPaths) {
            startObject("Sound", 1);
            key("path");
            m_writer.append(path);
            m_writer.endMap();
        }
        m_writer.endArray();
        key("soundLengths");
        texts(show.soundLengths);
        key("soundNames");
        texts(show.soundNames);
        key("soundIndex");
        m_writer.append(show.soundIndex);
        key("totalLength");
        m_writer.append(show.totalLength);
        m_writer.endMap();
    }

    CheckedDevice m_checked;
    QCborStreamWriter m_writer;
    bool m_pictureMissing = false;
};

std::vector<QString> soundPathsOf(const SoundHandler &handler)
{
    std::vector<QString> paths;
    for (const auto &sound : handler.returnSounds())
        paths.push_back(sound->path());
    return paths;
}

const QString NotAShow
    = QCoreApplication::translate("ShowArchive", "It is not a Lanternreel show.");

// The least one element of a list takes in a file, so that a count can be checked against what
// the rest of the file can hold before anything is made for it.
// A stored picture is a JPEG that decodes: its start and end markers, a quantisation table (69
// bytes), a frame header (13) and a scan header (10), in a byte string whose head takes 2 more.
constexpr qint64 MinStoredJpegBytes = 96;
constexpr qint64 MinPictureBytes = MinStoredJpegBytes + 2;
// A sound: its map, "class": "Sound" and a "path" of at least one character.
constexpr qint64 MinSoundBytes = 20;
// A text, a null or a small integer.
constexpr qint64 MinValueBytes = 1;

// Lists of one object that hold one element per row and must agree in length: the stored
// pictures and their names; the sounds, their lengths and their names.
struct Rows
{
    std::optional<quint64> count; // once one of the lists has been read
    qint64 unreadBytes = 0; // the least one row takes in the lists not read yet
};

class ShowReader
{
public:
    // With `pictures`, each stored picture goes there as soon as it is read, and is not kept.
    ShowReader(QIODevice &device, const Services &services, StoredPictures *pictures = nullptr)
        : m_reader(&device)
        , m_services(services)
        , m_pictures(pictures)
    {
        // Nothing in a file can be longer than the file: a length field claiming more is a lie,
        // and must not turn into an allocation.
        m_limit = device.isSequential() ? std::numeric_limits<int32_t>::max()
                                        : std::max<qint64>(0, device.size() - device.pos());
        m_size = device.isSequential() ? 0 : m_limit;
        if (const auto *file = qobject_cast<const QFileDevice *>(&device);
            file && !file->fileName().isEmpty())
            m_folder = QFileInfo(file->fileName()).absolutePath();
    }

    std::unique_ptr<Model> read()
    {
        if (!m_reader.isArray())
            return failed(NotAShow);
        if (m_reader.isLengthKnown() && m_reader.length() != 3)
            return failed(NotAShow);
        if (!enter())
            return nullptr;
        QString magic;
        if (!m_reader.hasNext() || !m_reader.isString() || !readText(magic)
            || magic != QLatin1String(ShowMagic))
            return failed(NotAShow);
        int32_t version = 0;
        if (!m_reader.hasNext() || !readInt32(version, QStringLiteral("format version")))
            return nullptr;
        if (version > ShowFormatVersion)
            return failed(QCoreApplication::translate(
                "ShowArchive", "It was saved by a newer version of Lanternreel."));
        if (version < 1)
            return failed(QCoreApplication::translate(
                "ShowArchive", "Its format version is not one Lanternreel knows."));
        m_version = version;
        if (!m_reader.hasNext())
            return failed(QCoreApplication::translate("ShowArchive", "It holds no show."));
        std::unique_ptr<Model> model = readModel();
        if (!model)
            return nullptr;
        if (m_reader.hasNext())
            return failed(
                QCoreApplication::translate("ShowArchive", "It holds more than one show."));
        if (!leave())
            return nullptr;
        // The file ends with the show: anything after it means the file is not what it seems.
        if (m_reader.type() != QCborStreamReader::Invalid || m_reader.currentOffset() < m_size)
            return failed(QCoreApplication::translate(
                "ShowArchive", "It is damaged: something follows the show."));
        return model;
    }

    QString why;

private:
    std::nullptr_t failed(const QString &reason)
    {
        fail(reason);
        return nullptr;
    }
    bool fail(const QString &reason)
    {
        if (why.isEmpty())
            why = reason;
        return false;
    }
    bool streamFailed()
    {
        if (m_reader.lastError() == QCborError::EndOfFile)
            return fail(QCoreApplication::translate("ShowArchive", "It is incomplete."));
        return fail(QCoreApplication::translate("ShowArchive", "It is damaged (%1).")
                        .arg(m_reader.lastError().toString()));
    }
    bool damaged(const QString &what)
    {
        return fail(QCoreApplication::translate("ShowArchive", "It is damaged: %1.").arg(what));
    }
    bool enter() { return m_reader.enterContainer() || streamFailed(); }
    bool leave()
    {
        if (m_reader.lastError() != QCborError::NoError)
            return streamFailed();
        return m_reader.leaveContainer() || streamFailed();
    }

    // Strings may come in chunks; each is measured before it is read. None may be larger than
    // the largest picture file the program reads, however large the show file.
    template<typename Container, typename ReadChunk>
    bool readChunks(Container &out, ReadChunk readChunk)
    {
        out = Container();
        qint64 total = 0;
        for (;;) {
            const qsizetype chunk = m_reader.currentStringChunkSize();
            if (chunk > 0) {
                total += chunk;
                if (total > m_limit)
                    return damaged(QStringLiteral("a length runs past its end"));
                if (total > MaxFileBytes)
                    return damaged(QStringLiteral("a value in it is too large"));
            }
            const auto result = readChunk();
            if (result.status == QCborStreamReader::EndOfString)
                return true;
            if (result.status == QCborStreamReader::Error)
                return streamFailed();
            out += result.data;
        }
    }
    bool readText(QString &out)
    {
        if (!m_reader.isString())
            return damaged(QStringLiteral("text expected"));
        if (!readChunks(out, [this] { return m_reader.readString(); }))
            return false;
        if (out.isNull())
            out = QLatin1String(""); // present but empty, which is not "no text"
        return true;
    }
    bool readTextOrNull(QString &out)
    {
        if (m_reader.isNull()) {
            out = QString();
            return m_reader.next() || streamFailed();
        }
        return readText(out);
    }
    bool readBytes(QByteArray &out)
    {
        if (!m_reader.isByteArray())
            return damaged(QStringLiteral("bytes expected"));
        return readChunks(out, [this] { return m_reader.readByteArray(); });
    }
    bool readInt32(int32_t &out, const QString &what)
    {
        qint64 value = 0;
        if (m_reader.isUnsignedInteger()) {
            const quint64 magnitude = m_reader.toUnsignedInteger();
            if (magnitude > quint64(std::numeric_limits<int32_t>::max()))
                return damaged(what + QStringLiteral(" is out of range"));
            value = qint64(magnitude);
        } else if (m_reader.isNegativeInteger()) {
            const quint64 magnitude = quint64(m_reader.toNegativeInteger());
            if (magnitude > quint64(std::numeric_limits<int32_t>::max()) + 1)
                return damaged(what + QStringLiteral(" is out of range"));
            value = -qint64(magnitude);
        } else {
            return damaged(what + QStringLiteral(" is not a whole number"));
        }
        out = static_cast<int32_t>(value);
        return m_reader.next() || streamFailed();
    }

    qint64 remaining() const { return std::max<qint64>(0, m_limit - m_reader.currentOffset()); }

    template<typename ReadElement> bool readArray(const QString &what, ReadElement readElement)
    {
        if (!m_reader.isArray())
            return damaged(what + QStringLiteral(" is not a list"));
        if (m_reader.isLengthKnown() && m_reader.length() > quint64(remaining()))
            return damaged(QStringLiteral("a length runs past its end"));
        if (!enter())
            return false;
        while (m_reader.hasNext()) {
            if (!readElement())
                return false;
        }
        return leave();
    }

    // Whether `count` rows can be: no more than the lists read already hold, or, before any
    // has been read, no more than the rest of the file can hold at `bytesPerRow` each.
    bool roomFor(quint64 count, const Rows &rows, qint64 bytesPerRow, const QString &what)
    {
        if (rows.count) {
            if (count > *rows.count)
                return damaged(what + QStringLiteral(" holds more than its lists beside it"));
            return true;
        }
        if (bytesPerRow > 0 && count > quint64(remaining() / bytesPerRow))
            return damaged(what + QStringLiteral(" claims more than the file holds"));
        return true;
    }

    // One list of `rows`, each element at least `elementBytes` long. A list that is `partOfRows`
    // holds exactly one element per row; one that is not (a random order) at most one. Every
    // count, the one declared as well as the one reached while reading, is checked before the
    // next element is read, so a lie costs nothing.
    template<typename ReadElement>
    bool readRowList(const QString &what, Rows &rows, qint64 elementBytes, bool partOfRows,
                     ReadElement readElement)
    {
        if (!m_reader.isArray())
            return damaged(what + QStringLiteral(" is not a list"));
        // What each row still needs in the lists that come later.
        const qint64 later = partOfRows ? rows.unreadBytes - elementBytes : rows.unreadBytes;
        if (m_reader.isLengthKnown()
            && !roomFor(m_reader.length(), rows, elementBytes + later, what))
            return false;
        if (!enter())
            return false;
        quint64 read = 0;
        while (m_reader.hasNext()) {
            if (!roomFor(++read, rows, later, what) || !readElement())
                return false;
        }
        if (!leave())
            return false;
        if (partOfRows) {
            if (rows.count && *rows.count != read)
                return damaged(what + QStringLiteral(" holds fewer than its lists beside it"));
            rows.count = read;
            rows.unreadBytes -= elementBytes;
        }
        return true;
    }

    // An object: a map with its class name and exactly the given keys, in any order, each once.
    template<typename ReadValue>
    bool readObject(const char *className, std::initializer_list<const char *> keys,
                    ReadValue readValue)
    {
        const QString name = QLatin1String(className);
        if (!m_reader.isMap())
            return damaged(name + QStringLiteral(" is not an object"));
        if (m_reader.isLengthKnown() && m_reader.length() != keys.size() + 1)
            return damaged(name + QStringLiteral(" has the wrong number of values"));
        if (!enter())
            return false;
        QSet<QString> seen;
        while (m_reader.hasNext()) {
            QString key;
            if (!readText(key))
                return false;
            if (seen.contains(key))
                return damaged(QStringLiteral("\"%1\" is given twice").arg(key));
            seen.insert(key);
            if (!m_reader.hasNext())
                return damaged(QStringLiteral("\"%1\" has no value").arg(key));
            if (key == ClassKey) {
                QString actual;
                if (!readText(actual))
                    return false;
                if (actual != name)
                    return damaged(QStringLiteral("%1 found where %2 belongs").arg(actual, name));
                continue;
            }
            if (std::find_if(keys.begin(), keys.end(),
                             [&](const char *k) { return key == QLatin1String(k); })
                == keys.end())
                return damaged(QStringLiteral("%1 has an unknown value \"%2\"").arg(name, key));
            if (!readValue(key))
                return false;
        }
        if (!leave())
            return false;
        if (!seen.contains(ClassKey))
            return damaged(name + QStringLiteral(" has no class"));
        for (const char *k : keys) {
            if (!seen.contains(QLatin1String(k)))
                return damaged(QStringLiteral("%1 lacks \"%2\"").arg(name, QLatin1String(k)));
        }
        return true;
    }

    std::unique_ptr<Model> readModel()
    {
        std::shared_ptr<ImageHandler> images;
        std::shared_ptr<SoundHandler> sounds;
        const bool read
            = readObject("Model", { "imageHandle", "soundHandle" }, [&](const QString &key) {
                  if (key == QLatin1String("imageHandle"))
                      return (images = readImageHandler()) != nullptr;
                  return (sounds = readSoundHandler()) != nullptr;
              });
        if (!read)
            return nullptr;
        return std::make_unique<Model>(std::move(images), std::move(sounds));
    }

    std::shared_ptr<ImageHandler> readImageHandler()
    {
        std::vector<QByteArray> jpegs;
        size_t pictureCount = 0;
        std::vector<QString> names;
        std::vector<int32_t> random;
        Rows rows { std::nullopt, MinPictureBytes + MinValueBytes };
        const bool read = readObject(
            "ImageHandler", { "compressedImages", "names", "random" }, [&](const QString &key) {
                if (key == QLatin1String("compressedImages")) {
                    if (m_pictures && m_reader.isArray() && m_reader.isLengthKnown())
                        m_pictures->expect(static_cast<qint64>(
                            std::min<quint64>(m_reader.length(), quint64(INT32_MAX))));
                    return readRowList(key, rows, MinPictureBytes, true, [&] {
                        ++pictureCount;
                        if (!m_pictures) {
                            jpegs.emplace_back();
                            return readStoredPicture(jpegs.back());
                        }
                        QByteArray jpeg;
                        if (!readStoredPicture(jpeg))
                            return false;
                        // The reason is the picture's own, which the caller has.
                        return m_pictures->add(std::move(jpeg))
                            || fail(QStringLiteral("A picture in it could not be read."));
                    });
                }
                if (key == QLatin1String("names")) {
                    return readRowList(key, rows, MinValueBytes, true, [&] {
                        names.emplace_back();
                        return readTextOrNull(names.back());
                    });
                }
                if (m_version == 1) {
                    // Its pictures a second time, or ones since removed: checked, not kept.
                    return readArray(key, [&] { return readPicture(); });
                }
                return readRowList(key, rows, MinValueBytes, false, [&] {
                    random.emplace_back();
                    if (!readInt32(random.back(), key))
                        return false;
                    return random.back() >= 0
                        || damaged(QStringLiteral("a position in its random order is negative"));
                });
            });
        if (!read)
            return nullptr;
        if (names.size() != pictureCount)
            return failed(
                QCoreApplication::translate("ShowArchive",
                                            "It is damaged: its pictures and their names differ in "
                                            "number."));
        std::vector<bool> taken(pictureCount, false);
        for (int32_t position : random) {
            if (static_cast<size_t>(position) >= taken.size()
                || taken[static_cast<size_t>(position)])
                return failed(QCoreApplication::translate(
                    "ShowArchive",
                    "It is damaged: its random order does not match its "
                    "pictures."));
            taken[static_cast<size_t>(position)] = true;
        }
        auto handler = std::make_shared<ImageHandler>(m_services);
        handler->restoreArchived(std::move(jpegs), std::move(names), std::move(random));
        return handler;
    }

    bool readStoredPicture(QByteArray &out)
    {
        if (!readBytes(out))
            return false;
        if (out.size() < MinStoredJpegBytes)
            return damaged(QStringLiteral("a stored picture is too short to be one"));
        return true;
    }

    bool readPicture()
    {
        QString name;
        QByteArray data;
        const bool read = readObject("Picture", { "name", "data" }, [&](const QString &key) {
            return key == QLatin1String("name") ? readTextOrNull(name) : readBytes(data);
        });
        if (!read)
            return false;
        if (!Slide::fromEncoded(name, data))
            return damaged(QStringLiteral("a picture of its random order is not a picture"));
        return true;
    }

    std::shared_ptr<SoundHandler> readSoundHandler()
    {
        std::vector<std::unique_ptr<Sound>> sounds;
        std::vector<QString> lengths;
        std::vector<QString> names;
        int32_t index = 0;
        int32_t total = 0;
        Rows rows { std::nullopt, MinSoundBytes + 2 * MinValueBytes };
        const bool read = readObject(
            "SoundHandler",
            { "soundsToPlay", "soundLengths", "soundNames", "soundIndex", "totalLength" },
            [&](const QString &key) {
                if (key == QLatin1String("soundsToPlay")) {
                    return readRowList(key, rows, MinSoundBytes, true, [&] {
                        sounds.push_back(readSound());
                        return sounds.back() != nullptr;
                    });
                }
                if (key == QLatin1String("soundLengths") || key == QLatin1String("soundNames")) {
                    auto &list = key == QLatin1String("soundNames") ? names : lengths;
                    return readRowList(key, rows, MinValueBytes, true, [&] {
                        list.emplace_back();
                        return readText(list.back());
                    });
                }
                return readInt32(key == QLatin1String("soundIndex") ? index : total, key);
            });
        if (!read)
            return nullptr;
        auto handler = std::make_shared<SoundHandler>(m_services);
        if (!handler->restoreSoundtrack(std::move(sounds), std::move(lengths), std::move(names),
                                        index, total))
            return failed(QCoreApplication::translate(
                "ShowArchive", "It is damaged: its soundtrack does not hold together."));
        return handler;
    }

    std::unique_ptr<Sound> readSound()
    {
        QString path;
        if (!readObject("Sound", { "path" }, [&](const QString &) { return readText(path); }))
            return nullptr;
        if (path.isEmpty()) {
            damaged(QStringLiteral("a sound has no file"));
            return nullptr;
        }
        // By reference: the file is the sound. One that is gone, or is no sound, keeps its place
        // in the list and is named to the user.
        const QString file = soundFile(path);
        std::unique_ptr<Sound> sound;
        if (m_services.sounds && isSound(file))
            sound = m_services.sounds->makeSound(file);
        if (!sound)
            sound = std::make_unique<UnplayableSound>(file.isEmpty() ? path : file);
        return sound;
    }

    // A relative path is taken from the show file's folder, never from wherever the program
    // happens to run; without a folder it names no file.
    QString soundFile(const QString &path) const
    {
        if (QDir::isAbsolutePath(path))
            return path;
        if (m_folder.isEmpty())
            return QString();
        return QDir::cleanPath(m_folder + QLatin1Char('/') + path);
    }

    // What adding a sound asks of its file: that it plays for some time. Any readable file would
    // otherwise pass, and the soundtrack would go silent on it without a word.
    bool isSound(const QString &file)
    {
        if (file.isEmpty() || !m_services.mediaLength || !QFileInfo(file).isFile())
            return false;
        const auto known = m_soundFiles.constFind(file);
        if (known != m_soundFiles.constEnd())
            return *known;
        const MediaDuration length = m_services.mediaLength->lengthOf(file);
        const bool playable = length.duration > 0 && length.timeScale > 0;
        m_soundFiles.insert(file, playable);
        return playable;
    }

    QCborStreamReader m_reader;
    const Services &m_services;
    StoredPictures *m_pictures = nullptr;
    qint64 m_limit = 0;
    qint64 m_size = 0; // of the file, when known
    int32_t m_version = 0;
    QString m_folder; // of the file being read, when it is one
    QHash<QString, bool> m_soundFiles; // each file asked about once, however often it is named
};

} // namespace

bool writeShow(QIODevice &device, const Model &model)
{
    if (!model.getImageHandler() || !model.getSoundHandler())
        return false;
    const ImageHandler &images = *model.getImageHandler();
    const SoundHandler &sounds = *model.getSoundHandler();
    const std::vector<QString> soundPaths = soundPathsOf(sounds);
    const std::vector<QByteArray> &jpegs = images.storedImages();
    const std::function<std::optional<QByteArray>(std::size_t)> jpegAt
        = [&](std::size_t i) -> std::optional<QByteArray> { return jpegs[i]; };
    return ShowWriter(device).write({ jpegs.size(), jpegAt, images.storedNames(),
                                      images.storedRandomOrder(), soundPaths,
                                      sounds.returnSoundLengths(), sounds.returnSoundNames(),
                                      sounds.returnSoundIndex(), sounds.returnTotalLength() });
}

ShowSnapshot snapshotOf(const ImageHandler &images, const SoundHandler &sounds)
{
    return { images.slides(),           images.randomOrderPositions(),
             soundPathsOf(sounds),      sounds.returnSoundLengths(),
             sounds.returnSoundNames(), sounds.returnSoundIndex(),
             sounds.returnTotalLength() };
}

bool writeShow(QIODevice &device, const ShowSnapshot &show, const WorkControl &control)
{
    const int total = static_cast<int>(show.slides.size());
    control.progress(0, total);
    // Made a few ahead on the work pool and written as they come, so that only those few are
    // ever in memory, however long the show.
    OrderedWork<QByteArray> jpegs(show.slides.size(), [&](std::size_t i) {
        return control.isCancelled() ? QByteArray() : storedJpeg(*show.slides[i]);
    });
    std::size_t written = 0;
    // A slide that no longer decodes, or whose bytes can no longer be read, would make a file
    // that does not open: better no save, and the caller throws away what was written.
    const std::function<std::optional<QByteArray>(std::size_t)> jpegAt
        = [&](std::size_t) -> std::optional<QByteArray> {
        QByteArray jpeg = jpegs.next();
        if (jpeg.isEmpty())
            return std::nullopt;
        control.progress(static_cast<int>(++written), total);
        return jpeg;
    };
    std::vector<QString> names;
    names.reserve(show.slides.size());
    for (const SlidePtr &slide : show.slides)
        names.push_back(slide->name());
    const bool done = ShowWriter(device).write(
        { show.slides.size(), jpegAt, names, show.randomOrder, show.soundPaths, show.soundLengths,
          show.soundNames, show.soundIndex, show.totalLength });
    return done && !control.isCancelled();
}

std::unique_ptr<Model> readShow(QIODevice &device, const Services &services, QString *why)
{
    ShowReader reader(device, services);
    std::unique_ptr<Model> model = reader.read();
    if (!model && why)
        *why = reader.why.isEmpty() ? NotAShow : reader.why;
    return model;
}

std::unique_ptr<Model> openShow(QIODevice &device, const Services &services,
                                const WorkControl *control, QString *why)
{
    StoredPictures pictures(control);
    ShowReader reader(device, services, &pictures);
    std::unique_ptr<Model> model = reader.read();
    QString pictureWhy;
    std::optional<std::vector<StoredPicture>> checked = pictures.finish(&pictureWhy);
    if (!checked || !model) {
        if (why)
            *why = !pictureWhy.isEmpty() ? pictureWhy
                : !reader.why.isEmpty()  ? reader.why
                                         : NotAShow;
        return nullptr;
    }
    // The reader has checked the counts and positions that this relies on.
    if (!model->getImageHandler()->takeStoredPictures(std::move(*checked))) {
        if (why)
            *why = QStringLiteral("It is damaged: its random order does not match its pictures.");
        return nullptr;
    }
    return model;
}

} // namespace lanternreel
