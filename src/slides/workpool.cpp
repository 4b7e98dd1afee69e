#include "workpool.h"

#include <QThread>
#include <QThreadPool>

namespace lanternreel {

QThreadPool *workPool()
{
    static QThreadPool pool;
    static const bool sized = [] {
        pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
        return true;
    }();
    (void)sized;
    return &pool;
}

} // namespace lanternreel
