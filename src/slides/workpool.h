// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QThreadPool;

namespace lanternreel {

// The threads that decode and encode pictures: one per core. Not Qt's global pool: Qt's own
// painting splits large drawing over that pool's threads and waits for them, so a picture
// decoded or encoded there would hold up every repaint of every window until it is done.
QThreadPool *workPool();

// Runs `task` on the work pool, below the GUI thread's priority.
void startWork(std::function<void()> task);

// Puts the calling thread below the GUI thread's priority, so that long work in the background
// leaves the window the processor time its next repaint needs, whatever the number of cores.
void yieldToTheWindow();

} // namespace lanternreel
