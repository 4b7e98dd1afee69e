// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "slides/slide.h"

#include <QStringList>
#include <memory>

namespace lanternreel {

// Loads slides from files on the work pool (workPool), several at once, and hands them back one by
// one in the order of the paths. Only a few files are read ahead of the one asked for, so a long
// list never holds much more than the slides already handed out. Destroying the loader drops
// the work not yet started and waits for the files being decoded. It waits on the work pool,
// so it must be used from a thread outside it (an import's job runs on a pool of its own).
class SlideLoader
{
public:
    explicit SlideLoader(QStringList paths);
    SlideLoader(const SlideLoader &) = delete;
    SlideLoader &operator=(const SlideLoader &) = delete;
    ~SlideLoader();

    qsizetype count() const { return m_paths.size(); }
    // The slide of the next path in order (waiting for it if need be); nullptr when that file
    // did not load, and `fault` and `why` then say why (see Slide::load). Call at most count()
    // times.
    SlidePtr next(ImageFault *fault = nullptr, QString *why = nullptr);

private:
    struct Shared;
    void startAhead();

    QStringList m_paths;
    std::shared_ptr<Shared> m_shared;
    qsizetype m_started = 0;
    qsizetype m_taken = 0;
};

} // namespace lanternreel
