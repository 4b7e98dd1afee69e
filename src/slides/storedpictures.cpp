#include "storedpictures.h"

#include "slides/workpool.h"

#include <QThreadPool>
#include <algorithm>
#include <climits>
#include <condition_variable>
#include <mutex>

namespace lanternreel {

struct StoredPictures::Shared
{
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::optional<StoredPicture>> pictures; // filled in as checks finish
    int running = 0;
    int done = 0;
    qint64 expected = 0;
    bool failed = false;
    QString why;
};

StoredPictures::StoredPictures(const WorkControl *control)
    : m_shared(std::make_shared<Shared>())
    , m_control(control)
{ }

StoredPictures::~StoredPictures()
{
    std::unique_lock lock(m_shared->mutex);
    m_shared->changed.wait(lock, [this] { return m_shared->running == 0; });
}

void StoredPictures::expect(qint64 count)
{
    std::lock_guard lock(m_shared->mutex);
    m_shared->expected = count;
    if (m_control)
        m_control->progress(m_shared->done, static_cast<int>(std::min<qint64>(count, INT_MAX)));
}

bool StoredPictures::add(QByteArray jpeg)
{
    // Each picture waiting or being checked holds its bytes: enough to keep every thread busy,
    // no more.
    const int ahead = std::max(2, workPool()->maxThreadCount() * 2);
    size_t index = 0;
    {
        std::unique_lock lock(m_shared->mutex);
        m_shared->changed.wait(lock, [&] { return m_shared->running < ahead || m_shared->failed; });
        if (m_shared->failed || (m_control && m_control->isCancelled()))
            return false;
        index = m_shared->pictures.size();
        m_shared->pictures.emplace_back();
        ++m_shared->running;
    }
    startWork([shared = m_shared, control = m_control, index, jpeg = std::move(jpeg)] {
        std::optional<StoredPicture> picture;
        QString why;
        ImageFault fault = ImageFault::None;
        // Nothing may leave a pool thread: an exception there ends the program.
        try {
            picture = Slide::checkStoredJpeg(jpeg, &fault, &why);
        } catch (...) {
            picture.reset();
        }
        std::lock_guard lock(shared->mutex);
        if (picture) {
            shared->pictures[index] = std::move(picture);
            ++shared->done;
            if (control)
                control->progress(shared->done,
                                  static_cast<int>(std::min<qint64>(shared->expected, INT_MAX)));
        } else if (!shared->failed) {
            shared->failed = true;
            shared->why = fault == ImageFault::NotKept
                ? QStringLiteral("Its pictures could not be kept for the slideshow. %1").arg(why)
                : QStringLiteral("It is damaged: a picture in it does not decode.");
        }
        --shared->running;
        shared->changed.notify_all();
    });
    return true;
}

std::optional<std::vector<StoredPicture>> StoredPictures::finish(QString *why)
{
    std::unique_lock lock(m_shared->mutex);
    m_shared->changed.wait(lock, [this] { return m_shared->running == 0; });
    if (m_shared->failed) {
        if (why)
            *why = m_shared->why;
        return std::nullopt;
    }
    if (m_control && m_control->isCancelled())
        return std::nullopt;
    std::vector<StoredPicture> pictures;
    pictures.reserve(m_shared->pictures.size());
    for (auto &picture : m_shared->pictures)
        pictures.push_back(std::move(*picture));
    m_shared->pictures.clear();
    return pictures;
}

} // namespace lanternreel
