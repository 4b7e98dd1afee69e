#include "documentcontroller.h"

#include "directwritedevice.h"
#include "documentpanels.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QSaveFile>
#include <QSettings>
#include <QWindow>
#include <algorithm>

namespace lanternreel {

namespace {

const QString RecentKey = QStringLiteral("RecentDocuments");
constexpr int MaxRecent = 10;

QSettings recentStore()
{
    return QSettings(QStringLiteral("Lanternreel"), QStringLiteral("Lanternreel"));
}

} // namespace

DocumentController::DocumentController(Factory factory, QObject *parent)
    : QObject(parent)
    , m_factory(std::move(factory))
    , m_typeName(QStringLiteral("Lanternreel Show"))
    , m_extension(QStringLiteral("lrshow"))
{
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
            &DocumentController::onFocusWindowChanged);
}

DocumentController::~DocumentController()
{
    m_recent.clear();
    m_documents.clear();
}

void DocumentController::setDocumentType(const QString &typeName, const QString &extension)
{
    m_typeName = typeName;
    m_extension = extension;
}

QString DocumentController::fileFilter() const
{
    return QStringLiteral("%1 (*.%2)").arg(m_typeName, m_extension);
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

Document *DocumentController::openDocument(const QString &path)
{
    if (Document *open = documentWithFile(path)) {
        makeCurrent(open);
        if (DocumentWindow *window = open->window()) {
            window->raise();
            window->activateWindow();
        }
        return open;
    }
    std::unique_ptr<Document> owned = m_factory();
    if (!owned)
        return nullptr;
    QFile file(path);
    QString why;
    bool loaded = false;
    const QFileInfo info(path);
    // Opening a FIFO would wait for a writer with every window frozen, and a device is no file
    // to read a show from.
    if (info.exists() && !info.isFile())
        why = tr("It is not a regular file.");
    else if (!file.open(QIODevice::ReadOnly))
        why = file.errorString();
    else
        loaded = owned->loadDataRepresentation(file, m_typeName, &why);
    if (!loaded) {
        reportFailure(tr("The document “%1” could not be opened.").arg(QFileInfo(path).fileName()),
                      why);
        return nullptr;
    }
    owned->setFileName(QFileInfo(path).absoluteFilePath());
    owned->setDocumentEdited(false);
    noteRecentDocument(owned->fileName());
    return display(std::move(owned));
}

Document *DocumentController::openDocumentWithPanel()
{
    if (!m_panels)
        return nullptr;
    const auto path = m_panels->chooseFileToOpen(fileFilter());
    return path ? openDocument(*path) : nullptr;
}

bool DocumentController::writeDocument(Document *document, const QString &path, QString *why)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *why = file.errorString();
        return false;
    }
    DirectWriteDevice device(file);
    if (!document->dataRepresentationOfType(m_typeName, device) || !device.finish()) {
        *why = device.failed() ? device.errorString() : tr("Its content could not be written.");
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *why = file.errorString();
        return false;
    }
    return true;
}

bool DocumentController::saveDocument(Document *document)
{
    if (!document)
        return false;
    if (document->fileName().isEmpty())
        return saveDocumentAs(document);
    QString why;
    if (!writeDocument(document, document->fileName(), &why)) {
        reportFailure(tr("The document “%1” could not be saved.").arg(document->displayName()),
                      why);
        return false;
    }
    document->setDocumentEdited(false);
    noteRecentDocument(document->fileName());
    return true;
}

bool DocumentController::saveDocumentAs(Document *document)
{
    if (!document || !m_panels)
        return false;
    const QString suggested = document->fileName().isEmpty()
        ? document->displayName() + QLatin1Char('.') + m_extension
        : document->fileName();
    const auto chosen = m_panels->chooseFileToSave(fileFilter(), m_extension, suggested);
    if (!chosen)
        return false;
    QString path = *chosen;
    if (QFileInfo(path).suffix().compare(m_extension, Qt::CaseInsensitive) != 0)
        path += QLatin1Char('.') + m_extension;
    QString why;
    if (!writeDocument(document, path, &why)) {
        reportFailure(tr("The document “%1” could not be saved.").arg(QFileInfo(path).fileName()),
                      why);
        return false;
    }
    document->setFileName(QFileInfo(path).absoluteFilePath());
    document->fileNameDidChange();
    document->setDocumentEdited(false);
    noteRecentDocument(document->fileName());
    return true;
}

QStringList DocumentController::recentDocuments() const
{
    QStringList existing;
    for (const QString &path : recentStore().value(RecentKey).toStringList()) {
        if (QFileInfo(path).isFile())
            existing.append(path);
    }
    return existing;
}

void DocumentController::clearRecentDocuments()
{
    recentStore().remove(RecentKey);
}

void DocumentController::noteRecentDocument(const QString &path)
{
    QSettings store = recentStore();
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
    if (document->isDocumentEdited() && m_panels) {
        // The prompt is modal: events run while it is up, and may close the document first.
        const QPointer<Document> guard(document);
        switch (m_panels->askToSaveChanges(document->displayName())) {
        case DocumentPanels::SaveAnswer::Cancel:
            return false;
        case DocumentPanels::SaveAnswer::Save:
            if (!guard || !owns(document))
                return true;
            if (!saveDocument(document))
                return false;
            break;
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
    while (!m_documents.empty()) {
        if (!closeDocument(m_documents.back().get()))
            return false;
    }
    return true;
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
