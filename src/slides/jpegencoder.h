// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "slides/slide.h"
#include "slides/workcontrol.h"

#include <QByteArray>
#include <QImage>
#include <vector>

namespace lanternreel {

// The quality (0 to 100) every slide is stored at. A stored slide is a plain baseline JPEG with
// 4:2:0 chroma subsampling: the size photo viewers expect, and what the cameras write.
inline constexpr int StoredJpegQuality = 90;

// The picture as a JPEG file at `quality`; an empty array when it cannot be encoded.
QByteArray encodeJpeg(const QImage &image, int quality = StoredJpegQuality);

// The stored form of one slide, as storedJpegs below makes it, on the calling thread.
QByteArray storedJpeg(const Slide &slide);

// The stored form of every slide, in the order given. A slide rebuilt from a stored JPEG gives
// back those very bytes, so reopening and saving a show loses nothing; every other slide is
// decoded at full size, upright, and encoded at StoredJpegQuality. The work runs on the work
// pool with at most one full-size picture per pool thread in memory. An element is empty
// when its slide could not be decoded or encoded. Tells `control`, when given, how many slides
// are done; once it is cancelled, the slides not started yet are left empty.
std::vector<QByteArray> storedJpegs(const std::vector<SlidePtr> &slides,
                                    const WorkControl *control = nullptr);

} // namespace lanternreel
