#pragma once

#include "document.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace lanternreel {

class DocumentPanels;

// Keeps the open documents, knows the current one (the one whose window was active last), and
// makes new ones, opens and saves their files, closes them and quits.
class DocumentController : public QObject
{
    Q_OBJECT

public:
    using Factory = std::function<std::unique_ptr<Document>()>;

    explicit DocumentController(Factory factory, QObject *parent = nullptr);
    ~DocumentController() override;

    // The one document type, its name handed to the documents and its file name extension
    // (without the dot). "Lanternreel Show" and "lrshow" unless set.
    void setDocumentType(const QString &typeName, const QString &extension);
    QString typeName() const { return m_typeName; }
    // "Lanternreel Show (*.lrshow)"
    QString fileFilter() const;

    // Who answers the user's side: save prompts, file choosers, failure reports. Not owned.
    // Without panels nothing is asked: documents close without a prompt, Open… and Save As…
    // do nothing, and failures only go to the log.
    void setPanels(DocumentPanels *panels) { m_panels = panels; }

    // A new untitled document with its window shown; it becomes the current document.
    Document *openUntitledDocumentAndDisplay();
    // Opens the file as a new document, shows its window and makes it current; a file that is
    // already open only has its window brought forward. nullptr when it cannot be opened: the
    // user is told, naming the file, and no document is made.
    Document *openDocument(const QString &path);
    // Asks for a file, then opens it as openDocument does.
    Document *openDocumentWithPanel();
    // Saves to the document's file, or asks for one first when it has none. False when it was
    // not saved (the user cancelled, or was told why).
    bool saveDocument(Document *document);
    // Asks for a new file and saves there; the document is that file's from then on.
    bool saveDocumentAs(Document *document);
    // Writes the document to `path` all at once: into a temporary file beside it, which
    // replaces the old file only when complete, so a failure, a crash or a kill midway leaves
    // the old file whole. False with `why` filled when it failed.
    bool writeDocument(Document *document, const QString &path, QString *why);

    Document *currentDocument() const;
    std::vector<Document *> documents() const;
    // Makes `document` the current one, as activating its window would.
    void makeCurrent(Document *document);

    // Closes the document and its window, asking first whether to save unsaved changes.
    // Answers false when the document stays open (the user cancelled, or the save failed).
    bool closeDocument(Document *document);
    // Closes every document; false when one of them stays open.
    bool closeAll();

    // Files opened or saved lately, most recent first; files since gone are left out.
    QStringList recentDocuments() const;
    void clearRecentDocuments();

    // Called with every new document's window before it is shown (the application puts its
    // menus there).
    void setWindowHook(std::function<void(DocumentWindow *)> hook)
    {
        m_windowHook = std::move(hook);
    }

signals:
    void currentDocumentChanged(lanternreel::Document *document);
    void documentCountChanged(int count);

private:
    Document *display(std::unique_ptr<Document> owned);
    Document *documentWithFile(const QString &path) const;
    void noteRecentDocument(const QString &path);
    void reportFailure(const QString &messageText, const QString &informativeText);
    void onFocusWindowChanged();

    Factory m_factory;
    QString m_typeName;
    QString m_extension;
    DocumentPanels *m_panels = nullptr;
    std::function<void(DocumentWindow *)> m_windowHook;
    std::vector<std::unique_ptr<Document>> m_documents;
    std::vector<Document *> m_recent; // most recently active last
};

} // namespace lanternreel
