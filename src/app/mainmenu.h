#pragma once

#include "platform/menuitem.h"

#include <QAction>
#include <QMenu>
#include <QObject>
#include <memory>

namespace lanternreel {

class DocumentController;
class DocumentWindow;
class MenuItem;
class MyDocument;

// The application's commands. Every document window carries menus made of these same actions,
// so the checkable items show one state across all windows; each command goes to the current
// document.
class MainMenu : public QObject, public MenuLookup
{
    Q_OBJECT

public:
    explicit MainMenu(DocumentController &controller, QObject *parent = nullptr);
    ~MainMenu() override;

    // Puts the menus into a document window's menu bar.
    void installInto(DocumentWindow *window);

    QAction *loopItem() const { return m_loop; }
    QAction *randomItem() const { return m_random; }
    // Finds a command by the titles of its menu and its item ("Slideshow", "Loop Slideshow").
    QAction *itemWithTitle(const QString &menuTitle, const QString &itemTitle) const;
    std::unique_ptr<MenuItem> findItem(const QString &menuTitle,
                                       const QString &itemTitle) const override;
    // File › Open Recent, the same submenu in every window; filled each time it opens.
    QMenu *recentMenu() const { return m_recentMenu.get(); }

private:
    QAction *addCommand(const QString &menu, const QString &title, const QKeySequence &shortcut,
                        void (MyDocument::*command)());
    QAction *addAction(const QString &menu, const QString &title, const QKeySequence &shortcut);
    void addSeparator(const QString &menu);
    void addToggle(QAction *action, void (MyDocument::*command)(MenuItem &));
    MyDocument *currentDocument() const;
    void updateEnabled();
    void fillRecentMenu();

    DocumentController &m_controller;
    QList<QPair<QString, QList<QAction *>>> m_menus; // in menu-bar order
    QList<QAction *> m_documentActions;              // need a current document
    QAction *m_loop = nullptr;
    QAction *m_random = nullptr;
    std::unique_ptr<QMenu> m_recentMenu;
};

} // namespace lanternreel
