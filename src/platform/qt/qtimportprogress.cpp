#include "qtimportprogress.h"

#include "ui_progressWindow.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>

namespace lanternreel {

namespace {

// Long enough to keep the window fluid, short enough that waiting on decodes costs nothing.
constexpr int EventSliceMs = 15;

} // namespace

QtImportProgress::~QtImportProgress()
{
    close();
}

void QtImportProgress::show(int total)
{
    close();
    auto *window = new QDialog(QApplication::activeWindow());
    window->setAttribute(Qt::WA_DeleteOnClose);
    Ui::progressWindow layout;
    layout.setupUi(window);
    window->setWindowModality(Qt::ApplicationModal);
    // The import ends the window; the user cannot close it half way.
    window->setWindowFlag(Qt::WindowCloseButtonHint, false);
    m_window = window;
    progress(0, total);
    window->show();
    m_sinceEvents.start();
    QCoreApplication::processEvents(QEventLoop::AllEvents, EventSliceMs);
}

void QtImportProgress::progress(int done, int total)
{
    if (!m_window)
        return;
    auto *bar = m_window->findChild<QProgressBar *>(QStringLiteral("prog"));
    auto *label = m_window->findChild<QLabel *>(QStringLiteral("progLabel"));
    if (bar) {
        // A range of 0..0 is the busy indicator, for while the count is not known.
        bar->setRange(0, total > 0 ? total : 0);
        if (total > 0)
            bar->setValue(done);
    }
    if (label && total > 0)
        label->setText(QObject::tr("Imported %1 of %2 images").arg(done).arg(total));
    keepMoving();
}

void QtImportProgress::keepMoving()
{
    if (!m_window)
        return;
    if (m_sinceEvents.isValid() && m_sinceEvents.elapsed() < EventSliceMs)
        return;
    QCoreApplication::processEvents(QEventLoop::AllEvents, EventSliceMs);
    m_sinceEvents.restart();
}

void QtImportProgress::close()
{
    if (m_window) {
        m_window->hide();
        m_window->deleteLater();
    }
    m_window = nullptr;
}

} // namespace lanternreel
