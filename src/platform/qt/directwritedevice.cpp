// SPDX-License-Identifier: GPL-3.0-or-later
#include "directwritedevice.h"

#include <QFileDevice>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace lanternreel {

DirectWriteDevice::DirectWriteDevice(QFileDevice &file, Writing writing, qint64 bufferBytes)
    : m_file(file)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    // The blocks start at the file's start, so the file must be empty of anything the file
    // device still holds or has written.
    if (writing != Writing::Direct || !file.isWritable() || file.handle() < 0 || file.pos() != 0
        || file.bytesToWrite() != 0)
        return;
    m_capacity = std::max<qint64>(Alignment, (bufferBytes + Alignment - 1) / Alignment * Alignment);
    // NOLINTNEXTLINE(cppcoreguidelines-no-malloc): unbuffered writes need aligned memory.
    m_buffer.reset(static_cast<char *>(std::aligned_alloc(Alignment, size_t(m_capacity))));
    if (!m_buffer)
        return;
    const int descriptor = file.handle();
    const int flags = ::fcntl(descriptor, F_GETFL);
    if (flags == -1 || ::fcntl(descriptor, F_SETFL, flags | O_DIRECT) == -1) {
        m_buffer.reset(); // refused by the file system: through the file device as before
        return;
    }
    m_descriptor = descriptor;
    m_direct = true;
}

DirectWriteDevice::~DirectWriteDevice()
{
    if (m_direct)
        stopDirect();
    if (!m_finished) {
        // What the file holds is not the whole of what was written to it.
        if (auto *save = qobject_cast<QSaveFile *>(&m_file))
            save->cancelWriting();
    }
}

qint64 DirectWriteDevice::writeData(const char *data, qint64 length)
{
    if (m_failed || m_finished)
        return -1;
    if (m_descriptor < 0) {
        if (m_file.write(data, length) != length) {
            fail(m_file.errorString());
            return -1;
        }
        return length;
    }
    qint64 done = 0;
    while (done < length) {
        const qint64 part = std::min(length - done, m_capacity - m_held);
        std::memcpy(m_buffer.get() + m_held, data + done, size_t(part));
        m_held += part;
        done += part;
        if (m_held == m_capacity) {
            if (!writeBlock(m_buffer.get(), m_held))
                return -1;
            m_held = 0;
        }
    }
    return length;
}

bool DirectWriteDevice::writeBlock(const char *data, qint64 length)
{
    qint64 written = 0;
    while (written < length) {
        const ssize_t result
            = ::pwrite(m_descriptor, data + written, size_t(length - written), m_offset);
        if (result < 0) {
            if (errno == EINTR)
                continue;
            // The file system takes direct I/O but not at this alignment (or after a short
            // write left the offset unaligned): the rest goes through the page cache.
            if (errno == EINVAL && m_direct) {
                if (!stopDirect())
                    return false;
                continue;
            }
            fail(qt_error_string(errno));
            return false;
        }
        if (result == 0) {
            fail(qt_error_string(ENOSPC));
            return false;
        }
        written += result;
        m_offset += result;
    }
    return true;
}

bool DirectWriteDevice::stopDirect()
{
    m_direct = false;
    const int flags = ::fcntl(m_descriptor, F_GETFL);
    if (flags == -1 || ::fcntl(m_descriptor, F_SETFL, flags & ~O_DIRECT) == -1) {
        fail(qt_error_string(errno));
        return false;
    }
    return true;
}

bool DirectWriteDevice::finish()
{
    if (m_finished)
        return !m_failed;
    if (m_failed) {
        m_finished = true;
        return false;
    }
    if (m_descriptor >= 0) {
        // The last block is shorter than the alignment asks for.
        if (m_direct && !stopDirect())
            return false;
        if (m_held > 0 && !writeBlock(m_buffer.get(), m_held))
            return false;
        m_held = 0;
    } else if (!m_file.flush()) {
        fail(m_file.errorString());
        return false;
    }
    // QSaveFile::commit syncs too but ignores a failure; a save is only done once its bytes are
    // on the disk.
    if (const int descriptor = m_file.handle(); descriptor >= 0) {
        while (::fdatasync(descriptor) != 0) {
            if (errno == EINTR)
                continue;
            if (errno != EINVAL && errno != EROFS) { // a file that cannot be synced
                fail(qt_error_string(errno));
                return false;
            }
            break;
        }
    }
    m_finished = true;
    return true;
}

void DirectWriteDevice::fail(const QString &why)
{
    m_failed = true;
    setErrorString(why);
    if (auto *save = qobject_cast<QSaveFile *>(&m_file))
        save->cancelWriting();
}

} // namespace lanternreel
