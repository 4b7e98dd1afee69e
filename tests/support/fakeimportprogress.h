#pragma once

#include "platform/importprogress.h"

#include <QStringList>
#include <functional>

namespace lanternreel::testing {

// Records what the import shows, in order, as lines like "show 0", "progress 2/5", "close".
// keepMoving is only counted: how often it comes depends on the machine's speed.
class FakeImportProgress : public ImportProgress
{
public:
    void show(int total) override
    {
        events.append(QStringLiteral("show %1").arg(total));
        open = true;
    }
    void progress(int done, int total) override
    {
        events.append(QStringLiteral("progress %1/%2").arg(done).arg(total));
    }
    void keepMoving() override
    {
        ++keepMovingCalls;
        if (onKeepMoving)
            onKeepMoving();
    }
    void close() override
    {
        events.append(QStringLiteral("close"));
        open = false;
    }

    QStringList events;
    bool open = false;
    int keepMovingCalls = 0;
    std::function<void()> onKeepMoving;
};

} // namespace lanternreel::testing
