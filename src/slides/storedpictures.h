#pragma once

#include "slides/slide.h"
#include "slides/workcontrol.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace lanternreel {

// Checks the stored pictures of a show file while the file is read, several side by side on the
// work pool, and puts each in the spill file (Slide::checkStoredJpeg): reading a show of
// thousands of photos holds only the few being checked in memory. It waits on the work pool, so
// it must be used from a thread outside it (an open's job runs on a pool of its own).
class StoredPictures
{
public:
    // Tells `control`, when given, how many pictures are checked, and stops taking pictures once
    // it is cancelled.
    explicit StoredPictures(const WorkControl *control = nullptr);
    StoredPictures(const StoredPictures &) = delete;
    StoredPictures &operator=(const StoredPictures &) = delete;
    // Waits for the checks still running.
    ~StoredPictures();

    // How many pictures the file says it holds, for the progress.
    void expect(qint64 count);
    // Starts checking the next picture, after waiting while enough are being checked already.
    // False once a picture has failed its check or the work was cancelled: reading the rest is
    // of no use.
    bool add(QByteArray jpeg);
    // Waits for every check: the pictures in the order added, or nothing when one failed, or
    // the work was cancelled. `why` then says what was wrong with the first that failed.
    std::optional<std::vector<StoredPicture>> finish(QString *why = nullptr);

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
    const WorkControl *m_control;
};

} // namespace lanternreel
