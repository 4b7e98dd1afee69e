// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainmenu.h"

#include "app/helpwindows.h"
#include "document/mydocument.h"
#include "document/show.h"
#include "platform/qt/documentcontroller.h"

#include <QApplication>
#include <QFileInfo>
#include <QMenuBar>

namespace lanternreel {

MainMenu::MainMenu(DocumentController &controller, QObject *parent)
    : QObject(parent)
    , m_controller(controller)
{
    QAction *newShow = addAction(tr("&File"), tr("&New"), QKeySequence::New);
    connect(newShow, &QAction::triggered, this,
            [this] { m_controller.openUntitledDocumentAndDisplay(); });
    QAction *open = addAction(tr("&File"), tr("&Open…"), QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(open, &QAction::triggered, this, [this] { m_controller.openDocumentWithPanel(); });
    // One submenu shared by every window's File menu, as the actions are.
    m_recentMenu = std::make_unique<QMenu>(tr("Open &Recent"));
    connect(m_recentMenu.get(), &QMenu::aboutToShow, this, &MainMenu::fillRecentMenu);
    auto it = std::find_if(m_menus.begin(), m_menus.end(),
                           [&](const auto &entry) { return entry.first == tr("&File"); });
    it->second.append(m_recentMenu->menuAction());
    addSeparator(tr("&File"));
    QAction *close = addAction(tr("&File"), tr("&Close"), QKeySequence(Qt::CTRL | Qt::Key_W));
    connect(close, &QAction::triggered, this, [this] {
        if (Document *document = m_controller.currentDocument())
            m_controller.closeDocument(document);
    });
    m_documentActions.append(close);
    QAction *save = addAction(tr("&File"), tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(save, &QAction::triggered, this,
            [this] { m_controller.saveDocument(m_controller.currentDocument()); });
    m_documentActions.append(save);
    QAction *saveAs
        = addAction(tr("&File"), tr("Save &As…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(saveAs, &QAction::triggered, this,
            [this] { m_controller.saveDocumentAs(m_controller.currentDocument()); });
    m_documentActions.append(saveAs);
    addSeparator(tr("&File"));
    addCommand(tr("&File"), tr("Export &Video…"), QKeySequence(), &MyDocument::exportVideo);
    addCommand(tr("&File"), tr("Export Sli&des…"), QKeySequence(), &MyDocument::exportSlides);
    addSeparator(tr("&File"));
    addCommand(tr("&File"), tr("Page Set&up…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P),
               &MyDocument::runPageLayout);
    addCommand(tr("&File"), tr("&Print…"), QKeySequence(Qt::CTRL | Qt::Key_P),
               &MyDocument::printDocument);
    addSeparator(tr("&File"));
    QAction *quit = addAction(tr("&File"), tr("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setMenuRole(QAction::QuitRole);
    // Shows still being saved close once saved; the program ends with the last of them.
    connect(quit, &QAction::triggered, this, [this] {
        if (m_controller.closeAll())
            QApplication::quit();
    });

    // Ctrl+, everywhere: the platforms' own Preferences key is unset on most Linux desktops.
    QAction *preferences
        = addCommand(tr("&Edit"), tr("Pre&ferences…"), QKeySequence(Qt::CTRL | Qt::Key_Comma),
                     &MyDocument::showPreferencesPanel);
    preferences->setMenuRole(QAction::PreferencesRole);

    addCommand(tr("&Slideshow"), tr("Import Images…"), QKeySequence(Qt::CTRL | Qt::Key_I),
               &MyDocument::selectImages);
    addSeparator(tr("&Slideshow"));
    // The arrow and Home shortcuts belong to the document window's menu bar, so they act only
    // while a document window is active and leave text fields of other windows alone.
    addCommand(tr("&Slideshow"), tr("Start Slideshow"), QKeySequence(Qt::Key_F5),
               &MyDocument::startSlideshow);
    addCommand(tr("&Slideshow"), tr("Stop Slideshow"), QKeySequence(Qt::SHIFT | Qt::Key_F5),
               &MyDocument::stopShow);
    addCommand(tr("&Slideshow"), tr("Next Slide"), QKeySequence(Qt::Key_Right),
               &MyDocument::nextImage);
    addCommand(tr("&Slideshow"), tr("Previous Slide"), QKeySequence(Qt::Key_Left),
               &MyDocument::previousImage);
    addCommand(tr("&Slideshow"), tr("Go to First Slide"), QKeySequence(Qt::Key_Home),
               &MyDocument::goToFirstSlide);
    addCommand(tr("&Slideshow"), tr("Full Screen"), QKeySequence(Qt::Key_F11),
               &MyDocument::runFullScreen);
    addSeparator(tr("&Slideshow"));
    m_loop = addAction(tr("&Slideshow"), tr("Loop Slideshow"), QKeySequence(Qt::CTRL | Qt::Key_L));
    addToggle(m_loop, &MyDocument::loopPlayback);
    m_random
        = addAction(tr("&Slideshow"), tr("Randomize Slides"), QKeySequence(Qt::CTRL | Qt::Key_R));
    addToggle(m_random, &MyDocument::randomizeSlides);
    addSeparator(tr("&Slideshow"));
    addCommand(tr("&Slideshow"), tr("Remove Current Image"), QKeySequence(Qt::Key_Delete),
               &MyDocument::removeCurrentImage);
    addCommand(tr("&Slideshow"), tr("Remove All Images"),
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete), &MyDocument::removeAllImages);
    addSeparator(tr("&Slideshow"));
    addCommand(tr("&Slideshow"), tr("Slideshow Info…"),
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I), &MyDocument::slideshowInfo);
    addCommand(tr("&Slideshow"), tr("Soundtrack…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T),
               &MyDocument::showSoundPanel);
    addCommand(tr("&Slideshow"), tr("Add Sound…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A),
               &MyDocument::addSong);
    addCommand(tr("&Slideshow"), tr("Remove Sound"),
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backspace), &MyDocument::removeSong);
    addCommand(tr("&Slideshow"), tr("Fit Interval to Soundtrack"),
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F),
               &MyDocument::fitIntervalToSoundtrack);

    addArrangeCommands();

    // Over the active window, without blocking it.
    QAction *shortcuts = addAction(tr("&Help"), tr("&Keyboard Shortcuts"), QKeySequence());
    connect(shortcuts, &QAction::triggered, this,
            [this] { makeShortcutsWindow(m_menus, QApplication::activeWindow())->show(); });
    QAction *about = addAction(tr("&Help"), tr("&About Lanternreel"), QKeySequence());
    about->setMenuRole(QAction::AboutRole);
    connect(about, &QAction::triggered, this,
            [] { makeAboutWindow(QApplication::activeWindow())->show(); });

    connect(&m_controller, &DocumentController::currentDocumentChanged, this,
            &MainMenu::updateEnabled);
    connect(&m_controller, &DocumentController::currentDocumentChanged, this,
            &MainMenu::followCurrentShow);
    updateEnabled();
    followCurrentShow();
}

MainMenu::~MainMenu() = default;

void MainMenu::fillRecentMenu()
{
    m_recentMenu->clear();
    const QStringList recent = m_controller.recentDocuments();
    for (const QString &path : recent) {
        QAction *item = m_recentMenu->addAction(QFileInfo(path).fileName());
        item->setToolTip(path);
        connect(item, &QAction::triggered, this, [this, path] { m_controller.openDocument(path); });
    }
    m_recentMenu->addSeparator();
    QAction *clear = m_recentMenu->addAction(tr("Clear Menu"));
    clear->setEnabled(!recent.isEmpty());
    connect(clear, &QAction::triggered, this, [this] { m_controller.clearRecentDocuments(); });
}

QAction *MainMenu::addAction(const QString &menu, const QString &title,
                             const QKeySequence &shortcut)
{
    auto *action = new QAction(title, this);
    action->setShortcut(shortcut);
    auto it = std::find_if(m_menus.begin(), m_menus.end(),
                           [&](const auto &entry) { return entry.first == menu; });
    if (it == m_menus.end())
        m_menus.append({ menu, { action } });
    else
        it->second.append(action);
    return action;
}

// A line between groups of commands; shared by every window's menu, as the commands are.
void MainMenu::addSeparator(const QString &menu)
{
    addAction(menu, QString(), QKeySequence())->setSeparator(true);
}

QAction *MainMenu::addCommand(const QString &menu, const QString &title,
                              const QKeySequence &shortcut, void (MyDocument::*command)())
{
    QAction *action = addAction(menu, title, shortcut);
    connect(action, &QAction::triggered, this, [this, command] {
        if (MyDocument *document = currentDocument())
            (document->*command)();
    });
    m_documentActions.append(action);
    return action;
}

// The check mark is the show's to change: Qt has already flipped it when `triggered` arrives,
// so it is put back first, and follows the show's switch once the command has turned it.
void MainMenu::addToggle(QAction *action, void (MyDocument::*command)())
{
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, [this, action, command](bool checked) {
        {
            const QSignalBlocker blocker(action);
            action->setChecked(!checked);
        }
        if (MyDocument *document = currentDocument())
            (document->*command)();
    });
    m_documentActions.append(action);
}

// With no show left the items keep what they showed last, for the next show opened from a file.
void MainMenu::followCurrentShow()
{
    for (const QMetaObject::Connection &connection : std::as_const(m_following))
        disconnect(connection);
    m_following.clear();
    MyDocument *document = currentDocument();
    if (!document)
        return;
    const Show *show = document->show();
    m_loop->setChecked(show->isLoop());
    m_random->setChecked(show->isRandom());
    m_following.append(connect(show, &Show::loopChanged, m_loop, &QAction::setChecked));
    m_following.append(connect(show, &Show::randomChanged, m_random, &QAction::setChecked));
}

QAction *MainMenu::itemWithTitle(const QString &menuTitle, const QString &itemTitle) const
{
    for (const auto &[title, actions] : m_menus) {
        if (QString(title).remove(QLatin1Char('&')) != menuTitle)
            continue;
        for (QAction *action : actions) {
            if (action->text().remove(QLatin1Char('&')) == itemTitle)
                return action;
        }
    }
    return nullptr;
}

void MainMenu::installInto(DocumentWindow *window)
{
    QMenuBar *bar = window->menuBar();
    for (const auto &[title, actions] : m_menus) {
        QMenu *menu = bar->addMenu(title);
        for (QAction *action : actions)
            menu->addAction(action);
    }
}

MyDocument *MainMenu::currentDocument() const
{
    return qobject_cast<MyDocument *>(m_controller.currentDocument());
}

void MainMenu::updateEnabled()
{
    const bool haveDocument = currentDocument() != nullptr;
    for (QAction *action : m_documentActions)
        action->setEnabled(haveDocument);
}

} // namespace lanternreel
