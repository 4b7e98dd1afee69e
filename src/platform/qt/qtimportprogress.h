#pragma once

#include "platform/importprogress.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>

namespace lanternreel {

// The window made from the layout "progressWindow", afresh for every import. It is modal for
// the whole application, and events keep flowing while the import waits, so it paints and its
// indicator moves without letting the user touch another window.
class QtImportProgress : public ImportProgress
{
public:
    ~QtImportProgress() override;
    void show(int total) override;
    void progress(int done, int total) override;
    void keepMoving() override;
    void close() override;

    // The open window, for tests; nullptr between imports.
    QDialog *window() const { return m_window; }

private:
    QPointer<QDialog> m_window;
    QElapsedTimer m_sinceEvents;
};

} // namespace lanternreel
