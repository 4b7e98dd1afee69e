#include "spillfile.h"

#include <QDir>
#include <QFile>
#include <QHashFunctions>
#include <QStandardPaths>
#include <QStringList>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/magic.h>
#include <mutex>
#include <new>
#include <sys/statfs.h>
#include <unistd.h>

namespace lanternreel {

namespace {

// Each block starts on a page of its own, so that giving one back frees whole blocks of the disk
// instead of zeroing the ends of its neighbours' pages.
constexpr qint64 Alignment = 4096;
// Any fixed seed: the hash only has to tell, within this run, the bytes put from others.
constexpr size_t HashSeed = 0x4c52;

qint64 aligned(qint64 length)
{
    return (length + Alignment - 1) / Alignment * Alignment;
}

size_t hashOf(QByteArrayView bytes)
{
    return qHashBits(bytes.data(), static_cast<size_t>(bytes.size()), HashSeed);
}

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool heldInMemory(const QByteArray &folder)
{
    struct statfs status;
    if (::statfs(folder.constData(), &status) != 0)
        return false;
    const auto type = static_cast<unsigned long>(status.f_type);
    return type == TMPFS_MAGIC || type == RAMFS_MAGIC;
}

// A file without a name: O_TMPFILE where the file system has it, else one named and unlinked at
// once, before anyone could have opened it (the folder is the user's own, or sticky).
int openNameless(const QByteArray &folder, int *error)
{
    int fd = ::open(folder.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd >= 0)
        return fd;
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
        *error = errno;
        return -1;
    }
    QByteArray name = folder + "/.lanternreel-spill-XXXXXX";
    fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        *error = errno;
        return -1;
    }
    ::unlink(name.constData());
    return fd;
}

QStringList candidateFolders()
{
    QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    QStringList folders;
    if (!cache.isEmpty())
        folders.append(cache + QStringLiteral("/lanternreel"));
    folders.append(QStringLiteral("/var/tmp"));
    const QString temp = QDir::tempPath();
    if (!folders.contains(temp))
        folders.append(temp);
    return folders;
}

} // namespace

SpillFile::SpillFile(int fd, QString folder, bool inMemory)
    : m_fd(fd)
    , m_folder(std::move(folder))
    , m_inMemory(inMemory)
{ }

SpillFile::~SpillFile()
{
    ::close(m_fd);
}

std::shared_ptr<SpillFile> SpillFile::makeIn(const QString &folder, QString *why)
{
    if (!QDir().mkpath(folder)) {
        if (why)
            *why = QStringLiteral("%1 cannot be made.").arg(folder);
        return nullptr;
    }
    const QByteArray path = QFile::encodeName(folder);
    int error = 0;
    const int fd = openNameless(path, &error);
    if (fd < 0) {
        if (why)
            *why = QStringLiteral("No file can be made in %1 (%2).").arg(folder, errorText(error));
        return nullptr;
    }
    return std::shared_ptr<SpillFile>(new SpillFile(fd, folder, heldInMemory(path)));
}

std::shared_ptr<SpillFile> SpillFile::instance(QString *why)
{
    static std::mutex mutex;
    static std::shared_ptr<SpillFile> made;
    std::lock_guard lock(mutex);
    if (made)
        return made;
    // A folder that fails now may work later (a disk mounted, space freed): only success is
    // kept.
    std::shared_ptr<SpillFile> fallback;
    QStringList reasons;
    for (const QString &folder : candidateFolders()) {
        QString reason;
        std::shared_ptr<SpillFile> file = makeIn(folder, &reason);
        if (!file) {
            reasons.append(reason);
            continue;
        }
        if (!file->isInMemory()) {
            made = std::move(file);
            return made;
        }
        if (!fallback)
            fallback = std::move(file);
    }
    if (fallback) {
        made = std::move(fallback);
        return made;
    }
    if (why)
        *why = reasons.join(QLatin1Char(' '));
    return nullptr;
}

std::optional<SpillFile::Extent> SpillFile::put(QByteArrayView bytes, QString *why) const
{
    const qint64 length = bytes.size();
    const qint64 room = aligned(std::max<qint64>(length, 1));
    const qint64 offset = m_end.fetch_add(room);
    auto failed = [&](int error) -> std::optional<Extent> {
        ::fallocate(m_fd, FALLOC_FL_PUNCH_HOLE | FALLOC_FL_KEEP_SIZE, offset, room);
        if (why)
            *why = error == ENOSPC || error == EDQUOT
                ? QStringLiteral("There is no room left in %1.").arg(m_folder)
                : QStringLiteral("Writing to %1 failed (%2).").arg(m_folder, errorText(error));
        return std::nullopt;
    };
    // Taking the space first makes a full disk fail here, and not later, when the system writes
    // the bytes out and nobody is left to hear of it.
    if (::fallocate(m_fd, 0, offset, room) != 0 && errno != EOPNOTSUPP)
        return failed(errno);
    qint64 written = 0;
    while (written < length) {
        const ssize_t n = ::pwrite(m_fd, bytes.data() + written,
                                   static_cast<size_t>(length - written), offset + written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return failed(errno);
        }
        if (n == 0)
            return failed(ENOSPC);
        written += n;
    }
    m_held += length;
    return Extent { offset, length, hashOf(bytes) };
}

QByteArray SpillFile::get(const Extent &extent) const
{
    try {
        QByteArray bytes(extent.length, Qt::Uninitialized);
        qint64 read = 0;
        while (read < extent.length) {
            const ssize_t n
                = ::pread(m_fd, bytes.data() + read, static_cast<size_t>(extent.length - read),
                          extent.offset + read);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return {};
            read += n;
        }
        if (hashOf(bytes) != extent.hash)
            return {};
        return bytes;
    } catch (const std::bad_alloc &) {
        return {};
    }
}

void SpillFile::release(const Extent &extent) const
{
    ::fallocate(m_fd, FALLOC_FL_PUNCH_HOLE | FALLOC_FL_KEEP_SIZE, extent.offset,
                aligned(std::max<qint64>(extent.length, 1)));
    m_held -= extent.length;
}

} // namespace lanternreel
