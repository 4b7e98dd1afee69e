#pragma once

#include "slides/spillfile.h"

#include <QByteArray>
#include <QString>
#include <memory>

namespace lanternreel {

// The encoded bytes of a picture (for a JPEG, the file itself), where a slide keeps them: in the
// spill file for a picture read from a file or a show file, so that a show of thousands of photos
// does not hold them in memory; in memory for the few small pictures the program makes itself.
// Never changes once made; shared by the slides made from it.
class SlideBytes
{
public:
    // Kept in memory.
    explicit SlideBytes(QByteArray bytes);
    // Puts `bytes` in the program's spill file and keeps only where they went. nullptr when the
    // spill file would not take them; `why` then says why, naming its folder.
    static std::shared_ptr<const SlideBytes> spill(const QByteArray &bytes, QString *why = nullptr);

    SlideBytes(const SlideBytes &) = delete;
    SlideBytes &operator=(const SlideBytes &) = delete;
    // Gives the space in the spill file back.
    ~SlideBytes();

    // The bytes, read back from the disk when they were spilled (a few milliseconds, more when
    // the system has to fetch them); an empty array when they cannot be read back whole and
    // unchanged. Safe on any thread.
    QByteArray read() const;
    qint64 size() const;
    bool isSpilled() const { return m_file != nullptr; }

private:
    SlideBytes(std::shared_ptr<SpillFile> file, SpillFile::Extent extent);

    QByteArray m_memory;
    std::shared_ptr<SpillFile> m_file;
    SpillFile::Extent m_extent;
};

} // namespace lanternreel
