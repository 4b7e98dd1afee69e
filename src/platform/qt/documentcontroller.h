// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace lanternreel {

class DocumentPanels;
class Job;
class OpenJob;
class SaveJob;

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

    // What an open or a save tells its caller once it has ended.
    using Opened = std::function<void(Document *document)>;
    using Saved = std::function<void(bool saved)>;

    // Opens the file as a new document, reading it off the GUI thread; then shows its window,
    // makes it current and hands it to `opened`. A file that is already open only has its
    // window brought forward, at once; one being opened is not opened twice. `opened` gets
    // nullptr when the file could not be opened (the user is told, naming the file) or the
    // user cancelled: no document is made.
    void openDocument(const QString &path, Opened opened = {});
    // Asks for a file, then opens it as openDocument does.
    void openDocumentWithPanel();
    // Saves to the document's file, or asks for one first when it has none, writing off the
    // GUI thread while the document goes on. `saved` then gets whether it was saved: false
    // when the user cancelled, or was told why not.
    void saveDocument(Document *document, Saved saved = {});
    // Asks for a new file and saves there; the document is that file's from then on.
    void saveDocumentAs(Document *document, Saved saved = {});
    // The open of `path`, or the save of `document`, running now; nullptr when there is none.
    Job *openJob(const QString &path) const;
    Job *saveJob(const Document *document) const;

    Document *currentDocument() const;
    std::vector<Document *> documents() const;
    // Makes `document` the current one, as activating its window would.
    void makeCurrent(Document *document);

    // Closes the document and its window, asking first whether to save unsaved changes.
    // Answers false when the document is still open: the user cancelled, the save failed, or a
    // save runs, which the close then waits for (it closes once saved).
    bool closeDocument(Document *document);
    // Closes every document; false when one of them is still open (see closeDocument).
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
    struct Opening
    {
        QString path;
        OpenJob *job;
        std::unique_ptr<Document> document;
        std::vector<Opened> waiting;
    };
    struct Saving
    {
        Document *document;
        SaveJob *job;
        bool rename; // Save As: the document is the new file's once saved
        quint64 changesBefore;
        Saved saved;
        bool closeAfter = false;
    };

    Document *display(std::unique_ptr<Document> owned);
    void startSave(Document *document, const QString &path, bool rename, Saved saved);
    void finishOpen(OpenJob *job);
    void finishSave(SaveJob *job);
    // Tells the user why the document cannot be saved now; true then.
    bool refuseBusy(Document *document);
    Document *documentWithFile(const QString &path) const;
    void noteRecentDocument(const QString &path);
    void reportFailure(const QString &messageText, const QString &informativeText);
    void onFocusWindowChanged();

    Factory m_factory;
    QString m_typeName;
    QString m_typeLabel;
    QString m_extension;
    DocumentPanels *m_panels = nullptr;
    std::function<void(DocumentWindow *)> m_windowHook;
    std::vector<std::unique_ptr<Document>> m_documents;
    std::vector<Opening> m_opening;
    std::vector<Saving> m_saving;
    std::vector<Document *> m_recent; // most recently active last
};

} // namespace lanternreel
