// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/showflags.h"

#include <QAction>
#include <QMenu>
#include <QObject>
#include <memory>

namespace lanternreel {

class Document;
class DocumentController;
class DocumentWindow;
class MyDocument;

// The application's commands. Every document window carries menus made of these same actions,
// so the checkable items show one state across all windows: that of the current show, which
// they follow. Each command goes to the current document.
class MainMenu : public QObject, public ShowFlags
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
    // What the loop and random items show now, for a show being opened.
    bool loop() const override { return m_loop->isChecked(); }
    bool random() const override { return m_random->isChecked(); }
    // File › Open Recent, the same submenu in every window; filled each time it opens.
    QMenu *recentMenu() const { return m_recentMenu.get(); }
    // Edit › Undo and Redo, which act on the current show; View › Slide Strip, which shows or
    // hides the strip in every show's window (arrangemenu.cpp).
    QAction *undoItem() const { return m_undo; }
    QAction *redoItem() const { return m_redo; }
    QAction *slideStripItem() const { return m_slideStrip; }

private:
    QAction *addCommand(const QString &menu, const QString &title, const QKeySequence &shortcut,
                        void (MyDocument::*command)());
    QAction *addAction(const QString &menu, const QString &title, const QKeySequence &shortcut);
    void addSeparator(const QString &menu);
    void addToggle(QAction *action, void (MyDocument::*command)());
    MyDocument *currentDocument() const;
    void updateEnabled();
    // The check marks show the current show's switches, and follow them from then on.
    void followCurrentShow();
    void fillRecentMenu();
    void addArrangeCommands();
    // Undo and Redo say what they would do to the current show, and are there only when they can.
    void followCurrentUndo();

    DocumentController &m_controller;
    QList<QPair<QString, QList<QAction *>>> m_menus; // in menu-bar order
    QList<QAction *> m_documentActions; // need a current document
    QAction *m_loop = nullptr;
    QAction *m_random = nullptr;
    QList<QMetaObject::Connection> m_following; // to the current show
    std::unique_ptr<QMenu> m_recentMenu;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
    QAction *m_slideStrip = nullptr;
    QList<QMetaObject::Connection> m_followingUndo; // to the current show's undo stack
};

} // namespace lanternreel
