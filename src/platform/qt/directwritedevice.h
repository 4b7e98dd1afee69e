// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIODevice>
#include <cstdlib>
#include <memory>

class QFileDevice;

namespace lanternreel {

// Writes into a file opened for writing at its start (a QSaveFile, normally) with direct I/O,
// past the page cache: a fresh page-cache page is slow to touch on first use, and a large show
// is written once and not read back. The bytes go to the file's descriptor behind the file
// device's back, in aligned blocks from a buffer of its own; the last unaligned block is written
// through the page cache. Where the file system refuses direct I/O the bytes go through the file
// device as usual.
//
// finish() must be called, and succeed, before the QSaveFile is committed: until then the file
// holds only whole blocks. A write that fails, or a device destroyed before finish(), cancels the
// QSaveFile so that its commit() fails and the old file stays.
class DirectWriteDevice : public QIODevice
{
public:
    static constexpr qint64 DefaultBufferBytes = qint64 { 4 } * 1024 * 1024;
    static constexpr qint64 Alignment = 4096; // bytes; a multiple of every logical block size

    enum class Writing { Direct, Buffered };

    // bufferBytes is rounded up to a multiple of Alignment. Buffered is for comparisons: it writes
    // exactly as the fallback does.
    explicit DirectWriteDevice(QFileDevice &file, Writing writing = Writing::Direct,
                               qint64 bufferBytes = DefaultBufferBytes);
    ~DirectWriteDevice() override;

    // Whether the bytes still go to the file with direct I/O.
    bool isDirect() const { return m_direct; }
    bool failed() const { return m_failed; }

    // Writes what is held, then makes the file's data durable. False, with errorString(), if any
    // write or the sync failed.
    bool finish();

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override;

private:
    struct Free
    {
        // The buffer comes from aligned_alloc, as unbuffered writes need.
        // NOLINTNEXTLINE(cppcoreguidelines-no-malloc)
        void operator()(char *bytes) const { std::free(bytes); }
    };

    bool writeBlock(const char *data, qint64 length);
    bool stopDirect();
    void fail(const QString &why);

    QFileDevice &m_file;
    int m_descriptor = -1;
    bool m_direct = false;
    bool m_failed = false;
    bool m_finished = false;
    qint64 m_capacity = 0; // bytes
    qint64 m_offset = 0; // bytes written to the descriptor
    qint64 m_held = 0;
    std::unique_ptr<char, Free> m_buffer;
};

} // namespace lanternreel
