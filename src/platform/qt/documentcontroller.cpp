// SPDX-License-Identifier: GPL-3.0-or-later
#include "documentcontroller.h"

#include "documentpanels.h"
#include "openjob.h"
#include "savejob.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>
#include <QSettings>
#include <QWindow>
#include <algorithm>

namespace lanternreel {

namespace {

const QString RecentKey = QStringLiteral("RecentDocuments");
constexpr int MaxRecent = 10;

} // namespace

DocumentController::DocumentController(Factory factory, QObject *parent)
    : QObject(parent)
    , m_factory(std::move(factory))
    // The type is a name the documents' readers and writers know, in every language; only the
    // file dialogs' filter shows its translation.
    , m_typeName(QStringLiteral("Lanternreel Show"))
    , m_typeLabel(tr("Lanternreel Show"))
    , m_extension(QStringLiteral("lrshow"))
{
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
            &DocumentController::onFocusWindowChanged);
}

// Work still running is cancelled: a save leaves the old file as it was. What the work uses
// (the documents' platform services) goes after this, so the work must have ended by then.
DocumentController::~DocumentController()
{
    for (const Opening &opening : m_opening)
        opening.job->cancel();
    for (const Saving &saving : m_saving)
        saving.job->cancel();
    m_opening.clear();
    m_recent.clear();
    m_documents.clear();
    Job::waitForAll();
}

void DocumentController::setDocumentType(const QString &typeName, const QString &extension)
{
    m_typeName = typeName;
    m_typeLabel = typeName;
    m_extension = extension;
}

QString DocumentController::fileFilter() const
{
    return QStringLiteral("%1 (*.%2)").arg(m_typeLabel, m_extension);
}

Document *DocumentController::openUntitledDocumentAndDisplay()
{
    std::unique_ptr<Document> owned = m_factory();
    if (!owned)
        return nullptr;
    return display(std::move(owned));
}

Document *DocumentController::display(std::unique_ptr<Document> owned)
{
    Document *document = owned.get();
    m_documents.push_back(std::move(owned));

    auto *window = new DocumentWindow;
    document->m_window = window;
    document->loadWindow(window);
    window->setWindowTitle(document->displayName());
    connect(window, &DocumentWindow::closeRequested, this,
            [this, document] { closeDocument(document); });
    if (m_windowHook)
        m_windowHook(window);
    document->windowControllerDidLoadNib();
    makeCurrent(document);
    window->show();
    emit documentCountChanged(static_cast<int>(m_documents.size()));
    return document;
}

Document *DocumentController::documentWithFile(const QString &path) const
{
    const QString wanted = QFileInfo(path).canonicalFilePath();
    if (wanted.isEmpty())
        return nullptr;
    for (const auto &document : m_documents) {
        if (!document->fileName().isEmpty()
            && QFileInfo(document->fileName()).canonicalFilePath() == wanted)
            return document.get();
    }
    return nullptr;
}

void DocumentController::openDocument(const QString &path, Opened opened)
{
    if (Document *open = documentWithFile(path)) {
        makeCurrent(open);
        if (DocumentWindow *window = open->window()) {
            window->raise();
            window->activateWindow();
        }
        if (opened)
            opened(open);
        return;
    }
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (Opening &opening : m_opening) {
        if (opening.path == absolute) {
            opening.waiting.push_back(std::move(opened));
            return;
        }
    }
    std::unique_ptr<Document> owned = m_factory();
    if (!owned) {
        if (opened)
            opened(nullptr);
        return;
    }
    // The document is made here and takes what the job reads once it has finished; until then
    // it has no window and nothing else knows of it.
    auto *job = new OpenJob(absolute, owned->readWork(m_typeName), this);
    m_opening.push_back({ absolute, job, std::move(owned), { std::move(opened) } });
    connect(job, &Job::finished, this, [this, job] { finishOpen(job); });
    if (m_panels)
        m_panels->showProgress(*job, QApplication::activeWindow());
}

void DocumentController::finishOpen(OpenJob *job)
{
    job->deleteLater();
    auto it = std::find_if(m_opening.begin(), m_opening.end(),
                           [job](const Opening &opening) { return opening.job == job; });
    if (it == m_opening.end())
        return;
    Opening opening = std::move(*it);
    m_opening.erase(it);
    const OpenJob::Result &result = job->result();
    Document *shown = nullptr;
    if (result.content) {
        opening.document->takeContent(result.content);
        opening.document->setFileName(opening.path);
        opening.document->setDocumentEdited(false);
        noteRecentDocument(opening.path);
        shown = display(std::move(opening.document));
    } else if (!result.cancelled) {
        reportFailure(
            tr("The document “%1” could not be opened.").arg(QFileInfo(opening.path).fileName()),
            result.why);
    }
    for (const Opened &opened : opening.waiting) {
        if (opened)
            opened(shown);
    }
}

void DocumentController::openDocumentWithPanel()
{
    if (!m_panels)
        return;
    if (const auto path = m_panels->chooseFileToOpen(fileFilter()))
        openDocument(*path);
}

Job *DocumentController::openJob(const QString &path) const
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (const Opening &opening : m_opening) {
        if (opening.path == absolute)
            return opening.job;
    }
    return nullptr;
}

Job *DocumentController::saveJob(const Document *document) const
{
    for (const Saving &saving : m_saving) {
        if (saving.document == document)
            return saving.job;
    }
    return nullptr;
}

bool DocumentController::refuseBusy(Document *document)
{
    const QString reason = document->busyReason();
    if (reason.isEmpty())
        return false;
    reportFailure(tr("The document “%1” cannot be saved yet.").arg(document->displayName()),
                  reason);
    return true;
}

void DocumentController::saveDocument(Document *document, Saved saved)
{
    if (!document) {
        if (saved)
            saved(false);
        return;
    }
    if (document->fileName().isEmpty()) {
        saveDocumentAs(document, std::move(saved));
        return;
    }
    startSave(document, document->fileName(), false, std::move(saved));
}

void DocumentController::saveDocumentAs(Document *document, Saved saved)
{
    if (!document || !m_panels || refuseBusy(document)) {
        if (saved)
            saved(false);
        return;
    }
    const QString suggested = document->fileName().isEmpty()
        ? document->displayName() + QLatin1Char('.') + m_extension
        : document->fileName();
    const auto chosen = m_panels->chooseFileToSave(fileFilter(), m_extension, suggested);
    if (!chosen) {
        if (saved)
            saved(false);
        return;
    }
    QString path = *chosen;
    if (QFileInfo(path).suffix().compare(m_extension, Qt::CaseInsensitive) != 0)
        path += QLatin1Char('.') + m_extension;
    startSave(document, QFileInfo(path).absoluteFilePath(), true, std::move(saved));
}

void DocumentController::startSave(Document *document, const QString &path, bool rename,
                                   Saved saved)
{
    // The chooser is modal: the document may have become busy meanwhile.
    if (refuseBusy(document)) {
        if (saved)
            saved(false);
        return;
    }
    // What is written is taken now; the document goes on while the job writes it.
    Document::WriteWork work = document->writeWork(m_typeName);
    if (!work) {
        reportFailure(tr("The document “%1” could not be saved.").arg(QFileInfo(path).fileName()),
                      tr("Its content could not be written."));
        if (saved)
            saved(false);
        return;
    }
    auto *job = new SaveJob(path, std::move(work), this);
    m_saving.push_back({ document, job, rename, document->changeCount(), std::move(saved) });
    document->setSaving(true);
    connect(job, &Job::finished, this, [this, job] { finishSave(job); });
    if (m_panels)
        m_panels->showProgress(*job, document->window());
}

void DocumentController::finishSave(SaveJob *job)
{
    job->deleteLater();
    auto it = std::find_if(m_saving.begin(), m_saving.end(),
                           [job](const Saving &saving) { return saving.job == job; });
    if (it == m_saving.end())
        return;
    Saving saving = std::move(*it);
    m_saving.erase(it);
    Document *document = saving.document;
    const SaveJob::Result &result = job->result();
    if (result.saved) {
        // A change made while the job wrote is not in the file.
        if (document->changeCount() == saving.changesBefore)
            document->setDocumentEdited(false);
        if (saving.rename) {
            document->setFileName(job->path());
            document->fileNameDidChange();
        }
        noteRecentDocument(job->path());
    }
    document->setSaving(false);
    if (!result.saved && !result.cancelled)
        reportFailure(
            tr("The document “%1” could not be saved.")
                .arg(saving.rename ? QFileInfo(job->path()).fileName() : document->displayName()),
            result.why);
    const QPointer<Document> guard(document);
    if (saving.saved)
        saving.saved(result.saved);
    if (saving.closeAfter && result.saved && guard)
        closeDocument(document);
}

QStringList DocumentController::recentDocuments() const
{
    QStringList existing;
    for (const QString &path : QSettings().value(RecentKey).toStringList()) {
        if (QFileInfo(path).isFile())
            existing.append(path);
    }
    return existing;
}

void DocumentController::clearRecentDocuments()
{
    QSettings().remove(RecentKey);
}

void DocumentController::noteRecentDocument(const QString &path)
{
    QSettings store;
    QStringList recent = store.value(RecentKey).toStringList();
    recent.removeAll(path);
    recent.prepend(path);
    while (recent.size() > MaxRecent)
        recent.removeLast();
    store.setValue(RecentKey, recent);
}

void DocumentController::reportFailure(const QString &messageText, const QString &informativeText)
{
    if (m_panels)
        m_panels->reportFailure(messageText, informativeText);
    else
        qWarning("%s %s", qPrintable(messageText), qPrintable(informativeText));
}

Document *DocumentController::currentDocument() const
{
    return m_recent.empty() ? nullptr : m_recent.back();
}

std::vector<Document *> DocumentController::documents() const
{
    std::vector<Document *> all;
    all.reserve(m_documents.size());
    for (const auto &document : m_documents)
        all.push_back(document.get());
    return all;
}

bool DocumentController::closeDocument(Document *document)
{
    auto owns = [this](Document *d) {
        return std::find_if(m_documents.begin(), m_documents.end(),
                            [&](const auto &owned) { return owned.get() == d; })
            != m_documents.end();
    };
    if (!owns(document))
        return true;
    // Closing must not lose the save: the document closes once it is written.
    for (Saving &saving : m_saving) {
        if (saving.document == document) {
            saving.closeAfter = true;
            return false;
        }
    }
    if (document->isDocumentEdited() && m_panels) {
        // The prompt is modal: events run while it is up, and may close the document first.
        const QPointer<Document> guard(document);
        switch (m_panels->askToSaveChanges(document->displayName())) {
        case DocumentPanels::SaveAnswer::Cancel:
            return false;
        case DocumentPanels::SaveAnswer::Save: {
            if (!guard || !owns(document))
                return true;
            auto answered = std::make_shared<bool>(false);
            saveDocument(document, [answered](bool) { *answered = true; });
            // Refused, or the file chooser cancelled: the document stays. Otherwise the save
            // runs, and the document closes once it has succeeded.
            if (*answered)
                return false;
            for (Saving &saving : m_saving) {
                if (saving.document == document)
                    saving.closeAfter = true;
            }
            return false;
        }
        case DocumentPanels::SaveAnswer::DontSave:
            break;
        }
        if (!guard || !owns(document))
            return true;
    }
    auto it = std::find_if(m_documents.begin(), m_documents.end(),
                           [&](const auto &owned) { return owned.get() == document; });
    const bool wasCurrent = currentDocument() == document;
    m_recent.erase(std::remove(m_recent.begin(), m_recent.end(), document), m_recent.end());
    std::unique_ptr<Document> closing = std::move(*it);
    m_documents.erase(it);
    if (closing->window())
        closing->window()->hide();
    closing.reset();
    if (wasCurrent)
        emit currentDocumentChanged(currentDocument());
    emit documentCountChanged(static_cast<int>(m_documents.size()));
    return true;
}

bool DocumentController::closeAll()
{
    // Each in turn, the newest first; one that waits for its save closes once saved, and the
    // others go on meanwhile.
    std::vector<Document *> open = documents();
    bool all = true;
    for (auto it = open.rbegin(); it != open.rend(); ++it) {
        if (!closeDocument(*it)) {
            all = false;
            if (!saveJob(*it))
                return false; // the user wants it kept
        }
    }
    return all;
}

void DocumentController::makeCurrent(Document *document)
{
    if (currentDocument() == document)
        return;
    m_recent.erase(std::remove(m_recent.begin(), m_recent.end(), document), m_recent.end());
    m_recent.push_back(document);
    emit currentDocumentChanged(document);
}

void DocumentController::onFocusWindowChanged()
{
    QWindow *focus = QGuiApplication::focusWindow();
    if (!focus)
        return;
    for (const auto &document : m_documents) {
        if (document->isShownIn(focus)) {
            makeCurrent(document.get());
            return;
        }
    }
}

} // namespace lanternreel
