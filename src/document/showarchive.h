// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/services.h"
#include "slides/slide.h"
#include "slides/workcontrol.h"

#include <QIODevice>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace lanternreel {

class ImageHandler;
class Model;
class SoundHandler;

// The show file: one CBOR array holding the magic text "LRSHOW", the format version and the
// root object. Every object is a CBOR map with its class name under "class" and its values
// under their keys, written in this order:
//   Model         imageHandle (ImageHandler), soundHandle (SoundHandler)
//   ImageHandler  compressedImages (byte strings), names (text or null), random (unsigned
//                 integers: positions in compressedImages, each at most once)
//   SoundHandler  soundsToPlay (Sounds), soundLengths (text), soundNames (text),
//                 soundIndex (integer), totalLength (integer, seconds)
//   Sound         path (text: the sound is kept by reference to its file; a relative path is
//                 taken from the show file's folder)
// Version 1 held the random order as Pictures (name: text or null, data: the picture file's
// bytes), which stored each picture a second time and kept removed ones; it is still read, but
// its random order is not kept.
inline constexpr char ShowMagic[] = "LRSHOW";
// Raised whenever the layout changes; a reader reads every version up to its own.
inline constexpr int ShowFormatVersion = 2;
inline constexpr char ShowTypeName[] = "Lanternreel Show";
inline constexpr char ShowFileExtension[] = "lrshow";

// Writes `model` (its stored form as ImageHandler::compressImages last left it) to `device` as
// it goes, without building the file in memory first. False when the device reported a
// failure; its errorString() then says why.
bool writeShow(QIODevice &device, const Model &model);

// What a save writes, taken on the thread that owns the show so that another thread can write
// it while the show goes on: the slides never change, and the rest is copied.
struct ShowSnapshot
{
    std::vector<SlidePtr> slides; // display order
    std::vector<int32_t> randomOrder; // positions in `slides`
    std::vector<QString> soundPaths;
    std::vector<QString> soundLengths;
    std::vector<QString> soundNames;
    int32_t soundIndex = 0;
    int32_t totalLength = 0;
};
ShowSnapshot snapshotOf(const ImageHandler &images, const SoundHandler &sounds);

// Makes the stored form of every slide of `show` (see storedJpegs) and writes the show to
// `device` as writeShow above does, on the calling thread: the stored pictures are made a few
// ahead on the work pool and written as they come, so that only those few are ever in memory.
// False when a slide could not be encoded, or its bytes read back (what was written then is of
// no use: the file would not open again), when the device failed, or once `control` is
// cancelled. `control` is told how many slides are written.
bool writeShow(QIODevice &device, const ShowSnapshot &show, const WorkControl &control);

// Reads a show file from `device` and checks all of it: the structure, every type, the lengths
// of the parallel lists, the soundtrack's position and total, and that no length or count
// claims more than the rest of the file can hold, before anything is made for it. The sounds
// are made by reference through `services`, relative paths from the folder of the file that
// `device` reads (a device that is no file has none); a sound whose file is gone or is not a
// sound is kept, as one that cannot play. The pictures of the stored form are not decoded here
// (ImageHandler::decompressImages does that). nullptr, with `why` saying what is wrong, when
// the bytes are not a show this program reads.
std::unique_ptr<Model> readShow(QIODevice &device, const Services &services, QString *why);

// Reads a show file as readShow does, and its slides with it: each stored picture is checked as
// decompressImages does, side by side with the reading, and put in the spill file as soon as it
// is read, so that a show of thousands of photos is never held in memory. The slides then keep
// nothing of the file: whatever becomes of it, they stay. nullptr, with `why` saying what is
// wrong (a picture that does not decode, or that the disk would not take), when the bytes are
// not a show this program reads, or once `control` is cancelled; `control` is told how many
// pictures are checked.
std::unique_ptr<Model> openShow(QIODevice &device, const Services &services,
                                const WorkControl *control, QString *why);

} // namespace lanternreel
