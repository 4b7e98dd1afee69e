#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <atomic>
#include <cstddef>
#include <memory>
#include <optional>

namespace lanternreel {

// Where the encoded bytes of the program's slides are kept while their shows are open: one
// private file on disk, without a name, so that nobody else can open it and it goes with the
// program however the program ends. A show of thousands of photos then costs disk space, not
// memory (the system keeps what is read often in its page cache, and can always drop it), and a
// picture whose original is deleted, moved or rewritten after the import is still the picture
// that was imported. Every member is safe to call from any thread.
class SpillFile
{
public:
    // Where a block of bytes went, and what it holds, so that a read can tell it got it back.
    struct Extent
    {
        qint64 offset = 0;
        qint64 length = 0;
        size_t hash = 0;
    };

    // The program's spill file, made on first use in the first of these folders that is on a
    // disk: $XDG_CACHE_HOME/lanternreel (~/.cache/lanternreel), /var/tmp, the temporary folder.
    // A folder held in memory (tmpfs) is taken only when none of them is on a disk. nullptr when
    // no folder takes a file; `why` then says so, naming the folders.
    static std::shared_ptr<SpillFile> instance(QString *why = nullptr);

    // A spill file of its own in `folder`; nullptr, with `why`, when one cannot be made there.
    static std::shared_ptr<SpillFile> makeIn(const QString &folder, QString *why = nullptr);

    SpillFile(const SpillFile &) = delete;
    SpillFile &operator=(const SpillFile &) = delete;
    ~SpillFile();

    // Writes `bytes`; nothing when the disk refused them (full, or failing), `why` then says
    // why, naming the folder.
    std::optional<Extent> put(QByteArrayView bytes, QString *why = nullptr) const;
    // The bytes of `extent`; an empty array when they cannot be read back or are not the bytes
    // that were put there.
    QByteArray get(const Extent &extent) const;
    // Gives the disk space of `extent` back; its bytes are not read again.
    void release(const Extent &extent) const;

    QString folder() const { return m_folder; }
    // Whether the folder is held in memory rather than on a disk.
    bool isInMemory() const { return m_inMemory; }
    // Bytes put and not released yet.
    qint64 bytesHeld() const { return m_held.load(); }

private:
    SpillFile(int fd, QString folder, bool inMemory);

    int m_fd;
    QString m_folder;
    bool m_inMemory;
    mutable std::atomic<qint64> m_end { 0 };
    mutable std::atomic<qint64> m_held { 0 };
};

} // namespace lanternreel
