// SPDX-License-Identifier: GPL-3.0-or-later
// The direct writer against the save file's own buffered writing: the same bytes land in the
// committed file, and a failure leaves the old file as it was.

#include "platform/qt/directwritedevice.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

using lanternreel::DirectWriteDevice;
using Writing = DirectWriteDevice::Writing;

namespace {

constexpr qint64 Buffer = DirectWriteDevice::DefaultBufferBytes;

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Bytes that differ from block to block, so that a block written twice or out of place shows.
QByteArray pattern(qint64 size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    quint32 state = 12345;
    for (qint64 i = 0; i < size; ++i) {
        state = state * 1103515245u + 12345u;
        bytes[i] = char(state >> 24);
    }
    return bytes;
}

bool acceptsDirectIo(const QString &folder)
{
    const QByteArray probe = QFile::encodeName(folder + QStringLiteral("/probe"));
    const int descriptor = ::open(probe.constData(), O_WRONLY | O_CREAT | O_DIRECT, 0600);
    if (descriptor >= 0)
        ::close(descriptor);
    ::unlink(probe.constData());
    return descriptor >= 0;
}

struct Saved
{
    bool direct = false;
    bool finished = false;
    bool committed = false;
};

// Saves `bytes` in pieces of `piece` bytes (the last one shorter).
Saved save(const QString &path, const QByteArray &bytes, qint64 piece, Writing writing)
{
    Saved saved;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return saved;
    DirectWriteDevice device(file, writing);
    saved.direct = device.isDirect();
    bool wrote = true;
    for (qint64 at = 0; at < bytes.size(); at += piece) {
        const qint64 length = std::min(piece, bytes.size() - at);
        wrote = wrote && device.write(bytes.constData() + at, length) == length;
    }
    saved.finished = wrote && device.finish();
    saved.committed = saved.finished && file.commit();
    return saved;
}

class DirectWriteTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
};

} // namespace

TEST_F(DirectWriteTest, EverySizeAroundTheBlocksCommitsTheSameBytesAsBufferedWriting)
{
    ASSERT_TRUE(dir.isValid());
    QStringList folders = { dir.path() };
    // tmpfs: it refuses direct I/O on older kernels and takes it on newer ones.
    QTemporaryDir shared(QStringLiteral("/dev/shm/lanternreel-XXXXXX"));
    if (shared.isValid())
        folders << shared.path();
    const qint64 sizes[]
        = { 0, 1, 4095, 4096, 4097, Buffer - 1, Buffer, Buffer + 1, 2 * Buffer + 4097 };
    for (const QString &folder : folders) {
        const bool direct = acceptsDirectIo(folder);
        for (qint64 size : sizes) {
            const QByteArray bytes = pattern(size);
            for (qint64 piece : { qint64(1000), std::max<qint64>(size, 1) }) {
                SCOPED_TRACE(QStringLiteral("%1: %2 bytes in pieces of %3")
                                 .arg(folder)
                                 .arg(size)
                                 .arg(piece)
                                 .toStdString());
                const QString fast = folder + QStringLiteral("/direct.bin");
                const QString slow = folder + QStringLiteral("/buffered.bin");
                const Saved saved = save(fast, bytes, piece, Writing::Direct);
                EXPECT_EQ(saved.direct, direct);
                EXPECT_TRUE(saved.committed);
                const Saved reference = save(slow, bytes, piece, Writing::Buffered);
                EXPECT_FALSE(reference.direct);
                EXPECT_TRUE(reference.committed);
                const QByteArray written = contents(fast);
                EXPECT_EQ(written.size(), size);
                EXPECT_TRUE(written == bytes);
                EXPECT_TRUE(contents(slow) == bytes);
            }
        }
        // Only the committed files are left; no temporary one.
        EXPECT_EQ(QDir(folder).entryList(QDir::Files),
                  QStringList({ QStringLiteral("buffered.bin"), QStringLiteral("direct.bin") }));
    }
}

TEST_F(DirectWriteTest, AFileTooLargeForTheDiskFailsTheSaveAndKeepsTheOldFile)
{
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("show.lrshow"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("the old show");
    }
    // A file size limit stands in for a full disk: past it, a write fails with EFBIG. The
    // limit falls inside the second block, so one block is written directly before the failure.
    rlimit before {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = before;
    limited.rlim_cur = rlim_t(Buffer + Buffer / 4);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);

    const QByteArray bytes = pattern(3 * Buffer);
    for (Writing writing : { Writing::Direct, Writing::Buffered }) {
        SCOPED_TRACE(writing == Writing::Direct ? "direct" : "buffered");
        QSaveFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        DirectWriteDevice device(file, writing);
        bool wrote = true;
        for (qint64 at = 0; at < bytes.size() && wrote; at += 100000)
            wrote = device.write(bytes.mid(at, 100000))
                == std::min<qint64>(100000, bytes.size() - at);
        EXPECT_FALSE(wrote && device.finish());
        EXPECT_TRUE(device.failed());
        EXPECT_FALSE(device.errorString().isEmpty());
        // Even a caller that commits regardless keeps the old file.
        EXPECT_FALSE(file.commit());
        EXPECT_EQ(contents(path), QByteArray("the old show"));
    }
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              QStringList({ QStringLiteral("show.lrshow") }));
}

TEST_F(DirectWriteTest, ASaveLeftUnfinishedIsNotCommitted)
{
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("show.lrshow"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("the old show");
    }
    for (qint64 size : { qint64(10), Buffer + 10 }) {
        QSaveFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        {
            DirectWriteDevice device(file);
            ASSERT_EQ(device.write(pattern(size)), size);
        }
        EXPECT_FALSE(file.commit());
        EXPECT_EQ(contents(path), QByteArray("the old show"));
    }
}
