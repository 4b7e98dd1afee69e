// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>

class QLabel;
class QProgressBar;
class QPushButton;

namespace lanternreel {

class Job;

// The window that follows one job (an import, an open, a save): its title, a line such as
// "Imported 3 of 60 images", a bar, and Cancel. It comes only once the job has run for
// ShowAfterMs, so short work flashes nothing; it never takes the keyboard from the window the
// user works in, takes no other window's input, and goes as soon as the job's work is over.
class ProgressPanel : public QDialog
{
    Q_OBJECT

public:
    static constexpr int ShowAfterMs = 500;

    // Shows a panel for `job` over `over` (a document window, or none) should the job still run
    // ShowAfterMs from now; nothing is made before.
    static void follow(Job &job, QWidget *over);

    // Made from the layout "progressWindow"; a child of `parent`, over which it shows.
    explicit ProgressPanel(Job &job, QWidget *parent = nullptr);

    QProgressBar *bar() const { return m_bar; }
    QLabel *label() const { return m_label; }
    QPushButton *cancelButton() const { return m_cancel; }

    // Cancel, Escape and the window's close button ask the job to stop; the panel stays, saying
    // so, until the job has finished.
    void reject() override;

private:
    void onProgress(int done, int total);
    void finish();

    QPointer<Job> m_job;
    QProgressBar *m_bar = nullptr;
    QLabel *m_label = nullptr;
    QPushButton *m_cancel = nullptr;
};

} // namespace lanternreel
