#pragma once

#include "slides/slide.h"

#include <QStringList>

#include <functional>
#include <memory>

namespace lanternreel {

// Loads slides from files on the thread pool, several at once, and hands them back one by one
// in the order of the paths. Only a few files are read ahead of the one asked for, so a long
// list never holds much more than the slides already handed out. Destroying the loader drops
// the work not yet started and waits for the files being decoded.
class SlideLoader
{
public:
    // `whileWaiting` runs on the calling thread, often, whenever the next slide is not ready.
    SlideLoader(QStringList paths, std::function<void()> whileWaiting);
    SlideLoader(const SlideLoader &) = delete;
    SlideLoader &operator=(const SlideLoader &) = delete;
    ~SlideLoader();

    qsizetype count() const { return m_paths.size(); }
    // The slide of the next path in order (waiting for it if need be); nullptr when that file
    // did not load, and `fault` then says whether it was too large. Call at most count() times.
    SlidePtr next(ImageFault *fault = nullptr);

private:
    struct Shared;
    void startAhead();
    void waitUntil(const std::function<bool()> &ready);

    QStringList m_paths;
    std::function<void()> m_whileWaiting;
    std::shared_ptr<Shared> m_shared;
    qsizetype m_started = 0;
    qsizetype m_taken = 0;
};

} // namespace lanternreel
