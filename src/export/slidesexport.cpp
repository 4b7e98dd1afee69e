#include "slidesexport.h"

#include "slides/imagecodec.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lanternreel {

namespace {

// Well under the 255 bytes most file systems allow, leaving room for the tools that add to a
// name ("… (1).jpg", "….jpg~").
constexpr qsizetype MaxNameBytes = 200;

// Characters that end a name (the folder separator, a NUL), that some file system refuses, or
// that are invisible controls in a listing.
bool isUnsafe(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7f && u <= 0x9f) || QStringView(u"/\\:*?\"<>|").contains(c);
}

// Trailing dots and spaces vanish or are refused on some file systems; leading spaces are as
// good as invisible.
QString trimmedName(QString name)
{
    name = name.trimmed();
    while (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    return name;
}

bool isPng(const QByteArray &bytes)
{
    return bytes.startsWith(QByteArrayLiteral("\x89PNG\r\n\x1a\n"));
}

// What the slide's file holds: its own bytes for a JPEG or a PNG, a PNG of its upright pixels
// for any other picture. Empty when the picture cannot be read.
QByteArray fileBytes(const Slide &slide, bool jpeg)
{
    QByteArray bytes = slide.encoded();
    if (jpeg || bytes.isEmpty() || isPng(bytes))
        return bytes;
    // Decoded here rather than through the slide, whose cache would keep a full-size copy.
    const QImage picture = decodeImage(bytes);
    if (picture.isNull())
        return {};
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    return writer.write(picture) ? png : QByteArray();
}

bool isTaken(const QString &path)
{
    struct stat status;
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0;
}

// rename(2) that never replaces a file (or a link) already at `to`; EEXIST when one is there.
int renameNoReplace(const QByteArray &from, const QByteArray &to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return -1;
    // File systems without it: a hard link, too, fails on a name that is taken.
    if (::link(from.constData(), to.constData()) == 0) {
        ::unlink(from.constData());
        return 0;
    }
    if (errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS)
        return -1;
    // Nor that (a memory card's FAT): look first. Only a file made in between is at risk.
    if (isTaken(QFile::decodeName(to))) {
        errno = EEXIST;
        return -1;
    }
    return std::rename(from.constData(), to.constData());
}

enum class Placed { Written, Existed, Failed };

// Writes `bytes` beside the file under a name of its own, then puts the whole file under `name`
// in one step: nobody ever sees half a file there, and a cancelled or failed export leaves none.
Placed placeFile(const QDir &folder, const QString &name, const QByteArray &bytes, bool replace,
                 QString *why)
{
    QFile part;
    for (int attempt = 0; attempt < 100 && !part.isOpen(); ++attempt) {
        part.setFileName(folder.filePath(
            QStringLiteral(".lanternreel-%1.part")
                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))));
        // Created here, never taken over: another program's file of that name stays its own.
        if (!part.open(QIODevice::WriteOnly | QIODevice::NewOnly) && !part.exists()) {
            *why = part.errorString();
            return Placed::Failed;
        }
    }
    if (!part.isOpen()) {
        *why = QStringLiteral("no free temporary name");
        return Placed::Failed;
    }
    const bool written = part.write(bytes) == bytes.size() && part.flush();
    part.close();
    if (!written || part.error() != QFileDevice::NoError) {
        *why = part.errorString();
        part.remove();
        return Placed::Failed;
    }
    const QByteArray from = QFile::encodeName(part.fileName());
    const QByteArray to = QFile::encodeName(folder.filePath(name));
    if ((replace ? std::rename(from.constData(), to.constData()) : renameNoReplace(from, to)) == 0)
        return Placed::Written;
    const int error = errno;
    part.remove();
    if (error == EEXIST && !replace)
        return Placed::Existed;
    *why = QString::fromLocal8Bit(std::strerror(error));
    return Placed::Failed;
}

} // namespace

QString slideFileName(int position, int count, const QString &name, bool jpeg)
{
    const int digits = std::max(3, int(QString::number(count).size()));
    const QString number = QStringLiteral("%1").arg(position, digits, 10, QLatin1Char('0'));

    QString stem;
    stem.reserve(name.size());
    for (const QChar c : name)
        stem.append(isUnsafe(c) ? QLatin1Char('_') : c);
    QString extension;
    if (const qsizetype dot = stem.lastIndexOf(QLatin1Char('.')); dot >= 0) {
        extension = stem.mid(dot + 1);
        stem.truncate(dot);
    }
    const QString kept = extension.toLower();
    if (jpeg ? kept != QLatin1String("jpg") && kept != QLatin1String("jpeg")
             : kept != QLatin1String("png"))
        extension = QLatin1String(jpeg ? "jpg" : "png");

    stem = trimmedName(stem);
    const auto length
        = [&] { return number.toUtf8().size() + 3 + stem.toUtf8().size() + 1 + extension.size(); };
    while (!stem.isEmpty() && length() > MaxNameBytes) {
        stem.chop(stem.size() > 1 && stem.back().isLowSurrogate() ? 2 : 1);
        stem = trimmedName(stem);
    }
    if (stem.isEmpty())
        return number + QLatin1Char('.') + extension;
    return number + QStringLiteral(" - ") + stem + QLatin1Char('.') + extension;
}

bool isJpegSlide(const Slide &slide)
{
    return slide.isStoredJpeg() || isJpeg(slide.encoded());
}

SlidesExportResult writeSlides(const std::vector<SlidePtr> &slides, const QString &folder,
                               ExistingFiles existing, const WorkControl &control)
{
    SlidesExportResult result;
    const auto failed = [&result](const QString &message) {
        result.outcome = SlidesExportResult::Outcome::Failed;
        result.error = message;
        return result;
    };
    const QString shown = QDir::toNativeSeparators(folder);
    const QFileInfo info(folder);
    if (!info.exists())
        return failed(QStringLiteral("The folder “%1” does not exist.").arg(shown));
    if (!info.isDir())
        return failed(QStringLiteral("“%1” is not a folder.").arg(shown));
    const QDir dir(folder);

    const int count = int(slides.size());
    std::vector<bool> jpeg;
    QStringList names;
    for (int i = 0; i < count; ++i) {
        jpeg.push_back(isJpegSlide(*slides[size_t(i)]));
        names.append(slideFileName(i + 1, count, slides[size_t(i)]->name(), jpeg.back()));
    }
    if (existing == ExistingFiles::Ask) {
        for (const QString &name : std::as_const(names)) {
            if (isTaken(dir.filePath(name)))
                result.existing.append(name);
        }
        if (!result.existing.isEmpty()) {
            result.outcome = SlidesExportResult::Outcome::Conflicts;
            return result;
        }
    }

    control.progress(0, count);
    for (int i = 0; i < count; ++i) {
        if (control.isCancelled()) {
            result.outcome = SlidesExportResult::Outcome::Cancelled;
            return result;
        }
        const Slide &slide = *slides[size_t(i)];
        try {
            const QByteArray bytes = fileBytes(slide, jpeg[size_t(i)]);
            if (bytes.isEmpty()) {
                result.unreadable.append(QStringLiteral("%1 (%2)").arg(i + 1).arg(slide.name()));
            } else {
                QString why;
                switch (placeFile(dir, names[i], bytes, existing == ExistingFiles::Replace, &why)) {
                case Placed::Written:
                    ++result.written;
                    break;
                case Placed::Existed:
                    result.existing.append(names[i]);
                    break;
                case Placed::Failed:
                    return failed(QStringLiteral("“%1” could not be written to “%2”: %3.")
                                      .arg(names[i], shown, why));
                }
            }
        } catch (const std::bad_alloc &) {
            result.unreadable.append(QStringLiteral("%1 (%2)").arg(i + 1).arg(slide.name()));
        }
        control.progress(i + 1, count);
    }
    result.outcome = SlidesExportResult::Outcome::Written;
    return result;
}

} // namespace lanternreel
