#include "display/slidestrip.h"
#include "document/mydocument.h"
#include "mainmenu.h"
#include "platform/qt/documentcontroller.h"

#include <QUndoStack>

// The commands that arrange a show: Undo and Redo at the head of the Edit menu, and a View menu
// after it that shows or hides the slide strip.

namespace lanternreel {

namespace {

template<typename Menus> auto findMenu(Menus &menus, const QString &title)
{
    return std::find_if(menus.begin(), menus.end(),
                        [&](const auto &entry) { return entry.first == title; });
}

} // namespace

void MainMenu::addArrangeCommands()
{
    m_undo = new QAction(tr("&Undo"), this);
    m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(m_undo, &QAction::triggered, this, [this] {
        if (MyDocument *document = currentDocument())
            document->undo();
    });
    m_redo = new QAction(tr("&Redo"), this);
    m_redo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    connect(m_redo, &QAction::triggered, this, [this] {
        if (MyDocument *document = currentDocument())
            document->redo();
    });
    auto separator = new QAction(this);
    separator->setSeparator(true);
    auto edit = findMenu(m_menus, tr("&Edit"));
    if (edit == m_menus.end()) {
        m_menus.append({ tr("&Edit"), {} });
        edit = m_menus.end() - 1;
    }
    edit->second = QList<QAction *> { m_undo, m_redo, separator } + edit->second;

    m_slideStrip = new QAction(tr("Slide &Strip"), this);
    m_slideStrip->setCheckable(true);
    m_slideStrip->setChecked(SlideStrip::isWanted());
    connect(m_slideStrip, &QAction::toggled, this, [this](bool shown) {
        SlideStrip::setWanted(shown);
        for (Document *document : m_controller.documents()) {
            if (auto *show = qobject_cast<MyDocument *>(document))
                show->setSlideStripVisible(shown);
        }
    });
    const auto after = findMenu(m_menus, tr("&Edit"));
    m_menus.insert(after - m_menus.begin() + 1, { tr("&View"), { m_slideStrip } });

    connect(&m_controller, &DocumentController::currentDocumentChanged, this,
            &MainMenu::followCurrentUndo);
    followCurrentUndo();
}

void MainMenu::followCurrentUndo()
{
    for (const QMetaObject::Connection &connection : std::as_const(m_followingUndo))
        disconnect(connection);
    m_followingUndo.clear();
    MyDocument *document = currentDocument();
    QUndoStack *stack = document ? document->undoStack() : nullptr;
    auto follow = [&](QAction *item, const QString &title, bool can, const QString &text,
                      auto canChanged, auto textChanged) {
        auto retitle = [item, title](const QString &what) {
            //: Edit menu: "Undo" or "Redo", then the step it takes back or does again
            item->setText(what.isEmpty() ? title : MainMenu::tr("%1 %2").arg(title, what));
        };
        item->setEnabled(can);
        retitle(text);
        if (!stack)
            return;
        m_followingUndo.append(connect(stack, canChanged, item, &QAction::setEnabled));
        m_followingUndo.append(connect(stack, textChanged, item, retitle));
    };
    follow(m_undo, tr("&Undo"), stack && stack->canUndo(), stack ? stack->undoText() : QString(),
           &QUndoStack::canUndoChanged, &QUndoStack::undoTextChanged);
    follow(m_redo, tr("&Redo"), stack && stack->canRedo(), stack ? stack->redoText() : QString(),
           &QUndoStack::canRedoChanged, &QUndoStack::redoTextChanged);
}

} // namespace lanternreel
