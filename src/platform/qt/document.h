#pragma once

#include <QMainWindow>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QIODevice;
class QWindow;

namespace lanternreel {

class DocumentController;

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

    // Whether the document holds changes its file does not have. The window title does not
    // show it: the title is the document's own business.
    bool isDocumentEdited() const { return m_edited; }
    void setDocumentEdited(bool edited) { m_edited = edited; }

    // The file's content, streamed to and from the file by the subclass. `typeName` is the
    // document type's name. Each answers whether it succeeded; a load that fails must leave the
    // document as it was and may say why.
    virtual bool dataRepresentationOfType(const QString &typeName, QIODevice &device);
    virtual bool loadDataRepresentation(QIODevice &device, const QString &typeName, QString *why);
    // The file's name without folders and extension, or "Untitled".
    QString displayName() const;

    // The name of the layout the document's window is made from.
    virtual QString windowNibName() const = 0;
    DocumentWindow *window() const { return m_window; }
    // Whether `window` shows this document: its own window, or one it has put up in that
    // window's place. Activating such a window makes the document the current one.
    virtual bool isShownIn(const QWindow *window) const;

protected:
    friend class DocumentController;
    // Makes the window from the layout named by windowNibName(); the framework then calls
    // windowControllerDidLoadNib().
    virtual void loadWindow(DocumentWindow *window) = 0;
    virtual void windowControllerDidLoadNib() {}
    // The framework saved the document under a new name (setFileName alone does not call it).
    virtual void fileNameDidChange() {}

private:
    QString m_fileName;
    bool m_edited = false;
    QPointer<DocumentWindow> m_window;
};

} // namespace lanternreel
