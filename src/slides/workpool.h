#pragma once

class QThreadPool;

namespace lanternreel {

// The threads that decode and encode pictures: one per core. Not Qt's global pool: Qt's own
// painting splits large drawing over that pool's threads and waits for them, so a picture
// decoded or encoded there would hold up every repaint of every window until it is done.
QThreadPool *workPool();

} // namespace lanternreel
