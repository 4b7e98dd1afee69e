#pragma once

#include "document.h"

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

namespace lanternreel {

// Keeps the open documents, knows the current one (the one whose window was active last), and
// makes new ones, closes them and quits.
class DocumentController : public QObject
{
    Q_OBJECT

public:
    using Factory = std::function<std::unique_ptr<Document>()>;

    explicit DocumentController(Factory factory, QObject *parent = nullptr);
    ~DocumentController() override;

    // A new untitled document with its window shown; it becomes the current document.
    Document *openUntitledDocumentAndDisplay();
    Document *currentDocument() const;
    std::vector<Document *> documents() const;
    // Makes `document` the current one, as activating its window would.
    void makeCurrent(Document *document);

    // Closes the document and its window. Answers false when the document stays open.
    bool closeDocument(Document *document);
    // Closes every document; false when one of them stays open.
    bool closeAll();

    // Called with every new document's window before it is shown (the application puts its
    // menus there).
    void setWindowHook(std::function<void(DocumentWindow *)> hook) { m_windowHook = std::move(hook); }

signals:
    void currentDocumentChanged(lanternreel::Document *document);
    void documentCountChanged(int count);

private:
    void onFocusWindowChanged();

    Factory m_factory;
    std::function<void(DocumentWindow *)> m_windowHook;
    std::vector<std::unique_ptr<Document>> m_documents;
    std::vector<Document *> m_recent; // most recently active last
};

} // namespace lanternreel
