// SPDX-License-Identifier: GPL-3.0-or-later
#include "progresspanel.h"

#include "platform/qt/job.h"
#include "ui_progressWindow.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace lanternreel {

void ProgressPanel::follow(Job &job, QWidget *over)
{
    const QPointer<QWidget> parent = over;
    const bool overAWindow = over != nullptr;
    QTimer::singleShot(ShowAfterMs, &job, [&job, parent, overAWindow] {
        // Work that is over, or whose window has gone, needs no panel.
        if (!job.isRunning() || (overAWindow && !parent))
            return;
        (new ProgressPanel(job, parent))->show();
    });
}

ProgressPanel::ProgressPanel(Job &job, QWidget *parent)
    : QDialog(parent)
    , m_job(&job)
{
    Ui::progressWindow layout;
    layout.setupUi(this);
    m_bar = layout.prog;
    m_label = layout.progLabel;
    m_cancel = layout.progButtons->button(QDialogButtonBox::Cancel);
    setWindowTitle(job.title());
    // The user goes on working in the show's window meanwhile: keys must keep going there.
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Before any document window is up (a show opened at launch), this may be the only window;
    // its going is no reason to end the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    connect(layout.progButtons, &QDialogButtonBox::rejected, this, &ProgressPanel::reject);
    connect(&job, &Job::progressed, this, &ProgressPanel::onProgress);
    connect(&job, &Job::stopped, this, &ProgressPanel::finish);
    connect(&job, &QObject::destroyed, this, &ProgressPanel::finish);
    onProgress(job.progressDone(), job.progressTotal());
}

void ProgressPanel::onProgress(int done, int total)
{
    if (m_job && m_job->isCancelled())
        return;
    // A range of 0..0 is the busy indicator, for while the count is not known.
    m_bar->setRange(0, std::max(total, 0));
    if (total > 0) {
        m_bar->setValue(done);
        m_label->setText(m_job ? m_job->progressText(done, total) : QString());
    }
}

void ProgressPanel::reject()
{
    if (!m_job || !m_job->isRunning())
        return;
    m_job->cancel();
    m_label->setText(tr("Cancelling…"));
    m_bar->setRange(0, 0);
    m_cancel->setEnabled(false);
}

void ProgressPanel::finish()
{
    hide();
    deleteLater();
}

} // namespace lanternreel
