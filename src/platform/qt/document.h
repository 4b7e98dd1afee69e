// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUndoStack>
#include <functional>
#include <memory>

class QIODevice;
class QWindow;

namespace lanternreel {

class DocumentController;
class Job;
class WorkControl;

// What reading a document's file gave, before the document takes it; each kind of document
// has its own.
class DocumentContent
{
public:
    virtual ~DocumentContent() = default;
};

// The window of one document. Closing it asks the document framework, which closes the document.
class DocumentWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit DocumentWindow(QWidget *parent = nullptr);

signals:
    void closeRequested();
    // Local files dropped on the window, full paths in the order the drop lists them.
    void filesDropped(const QStringList &paths);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
};

// The framework's side of one open document: its file, its window, its place among the open
// documents. A subclass supplies the window's layout and the document's content.
class Document : public QObject
{
    Q_OBJECT

public:
    Document();
    ~Document() override;

    // The path of the document's file; empty while it has never been saved or opened.
    QString fileName() const { return m_fileName; }
    void setFileName(const QString &fileName);

    // Whether the document holds changes its file does not have: its undo stack stands away
    // from where the file was last saved or opened, or a change that cannot be undone was marked.
    // The window title does not show it: the title is the document's own business.
    bool isDocumentEdited() const { return m_edited || !m_undoStack.isClean(); }
    // True marks a change that cannot be undone; false says the file now has every change, and
    // undoing or redoing from here edits the document again.
    void setDocumentEdited(bool edited);
    // Counts every change since the document was made, marked, undone or redone, so that a save
    // can tell whether the document changed while it wrote.
    quint64 changeCount() const { return m_changes; }
    // The changes to undo and redo, each done already when pushed.
    QUndoStack *undoStack() { return &m_undoStack; }

    // The file's content, streamed to and from the file off the GUI thread. Each work holds
    // what it needs and touches nothing of the document, which goes on meanwhile; `typeName`
    // is the document type's name.
    // Writes the content as it is now (taken here, on the GUI thread) to a device; false when
    // it could not, or was cancelled. Empty for a type the document does not write.
    using WriteWork = std::function<bool(QIODevice &, const WorkControl &)>;
    virtual WriteWork writeWork(const QString &typeName);
    // Reads a file's content, checked whole, from a device; nullptr, with `why` saying what is
    // wrong, for a file that is not a document of this kind. takeContent() then replaces the
    // document's content by it, on the GUI thread.
    using ReadWork = std::function<std::shared_ptr<DocumentContent>(
        QIODevice &, const WorkControl &, QString *why)>;
    virtual ReadWork readWork(const QString &typeName) const;
    virtual void takeContent(std::shared_ptr<DocumentContent> content);
    // Both at once, on the calling thread. Each answers whether it succeeded; a load that
    // fails leaves the document as it was and may say why.
    bool dataRepresentationOfType(const QString &typeName, QIODevice &device);
    bool loadDataRepresentation(QIODevice &device, const QString &typeName, QString *why);

    // A save of this document runs in the background.
    bool isSaving() const { return m_saving; }
    // Why the document's content may not change, or be saved, now: empty when it may. A
    // document that is being saved says so; a subclass adds its own work.
    virtual QString busyReason() const;
    // The file's name without folders and extension, or "Untitled".
    QString displayName() const;

    // The name of the layout the document's window is made from.
    virtual QString windowNibName() const = 0;
    DocumentWindow *window() const { return m_window; }
    // Whether `window` shows this document: its own window, or one it has put up in that
    // window's place. Activating such a window makes the document the current one.
    virtual bool isShownIn(const QWindow *window) const;

signals:
    // A save of the document began or ended.
    void savingChanged(bool saving);

protected:
    friend class DocumentController;
    // Makes the window from the layout named by windowNibName(); the framework then calls
    // windowControllerDidLoadNib().
    virtual void loadWindow(DocumentWindow *window) = 0;
    virtual void windowControllerDidLoadNib() { }
    // The framework saved the document under a new name (setFileName alone does not call it).
    virtual void fileNameDidChange() { }

private:
    void setSaving(bool saving);

    QString m_fileName;
    bool m_edited = false;
    bool m_saving = false;
    quint64 m_changes = 0;
    QUndoStack m_undoStack;
    QPointer<DocumentWindow> m_window;
};

} // namespace lanternreel
