// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes.h"

#include <algorithm>

namespace lanternreel::testing {

class FakeTimers::Handle : public RepeatingTimer
{
public:
    explicit Handle(std::shared_ptr<Entry> entry)
        : m_entry(std::move(entry))
    { }
    ~Handle() override { m_entry->active = false; }
    void invalidate() override { m_entry->active = false; }

private:
    std::shared_ptr<Entry> m_entry;
};

std::unique_ptr<RepeatingTimer> FakeTimers::scheduleRepeating(int seconds,
                                                              std::function<void()> action)
{
    auto entry = std::make_shared<Entry>();
    entry->interval = seconds;
    entry->due = m_now + seconds;
    entry->action = std::move(action);
    m_entries.push_back(entry);
    ++m_scheduled;
    m_lastInterval = seconds;
    return std::make_unique<Handle>(entry);
}

void FakeTimers::advance(double seconds)
{
    const double end = m_now + seconds;
    for (;;) {
        std::erase_if(m_entries, [](const auto &entry) { return !entry->active; });
        auto next = std::min_element(m_entries.begin(), m_entries.end(),
                                     [](const auto &a, const auto &b) { return a->due < b->due; });
        if (next == m_entries.end() || (*next)->due > end + 1e-9)
            break;
        std::shared_ptr<Entry> entry = *next;
        m_now = entry->due;
        entry->due += entry->interval;
        auto action = entry->action; // the action may destroy its own timer
        action();
    }
    m_now = end;
}

int FakeTimers::activeCount() const
{
    return static_cast<int>(
        std::count_if(m_entries.begin(), m_entries.end(), [](const auto &e) { return e->active; }));
}

double FakeTimers::secondsToNextFire() const
{
    double best = -1;
    for (const auto &entry : m_entries) {
        if (entry->active && (best < 0 || entry->due - m_now < best))
            best = entry->due - m_now;
    }
    return best;
}

} // namespace lanternreel::testing
