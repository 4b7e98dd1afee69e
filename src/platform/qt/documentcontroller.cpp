#include "documentcontroller.h"

#include <QGuiApplication>
#include <QWindow>

#include <algorithm>

namespace lanternreel {

DocumentController::DocumentController(Factory factory, QObject *parent)
    : QObject(parent)
    , m_factory(std::move(factory))
{
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
            &DocumentController::onFocusWindowChanged);
}

DocumentController::~DocumentController()
{
    m_recent.clear();
    m_documents.clear();
}

Document *DocumentController::openUntitledDocumentAndDisplay()
{
    std::unique_ptr<Document> owned = m_factory();
    if (!owned)
        return nullptr;
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
    auto it = std::find_if(m_documents.begin(), m_documents.end(),
                           [&](const auto &owned) { return owned.get() == document; });
    if (it == m_documents.end())
        return true;
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
        DocumentWindow *window = document->window();
        if (window && window->windowHandle() == focus) {
            makeCurrent(document.get());
            return;
        }
    }
}

} // namespace lanternreel
