// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainmenu.h"
#include "app/translations.h"
#include "document/mydocument.h"
#include "document/show.h"
#include "fakedocumentpanels.h"
#include "fakes.h"
#include "jobwaits.h"
#include "platform/qt/documentcontroller.h"
#include "slides/imagehandler.h"
#include "testslides.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>
#include <string>

using namespace lanternreel;
using namespace lanternreel::testing;

namespace {

// The application as main() builds it, on fakes: every window carries the shared menus.
struct MenuFixture : ::testing::Test
{
    MenuFixture()
    {
        controller.setWindowHook([this](DocumentWindow *window) { menu.installInto(window); });
    }

    MyDocument *openDocument()
    {
        return static_cast<MyDocument *>(controller.openUntitledDocumentAndDisplay());
    }

    // Makes `document` current the way a user does: by activating its window.
    void activate(MyDocument *document)
    {
        DocumentWindow *window = document->window();
        window->activateWindow();
        QApplication::processEvents();
        ASSERT_EQ(QGuiApplication::focusWindow(), window->windowHandle());
        ASSERT_EQ(controller.currentDocument(), document);
    }

    static bool loop(MyDocument *document) { return document->getImageHandler()->isLoop(); }

    static QList<QAction *> menuBarItems(DocumentWindow *window)
    {
        QList<QAction *> items;
        for (QAction *top : window->menuBar()->actions()) {
            if (QMenu *submenu = top->menu())
                items += submenu->actions();
        }
        return items;
    }

    FakeServices fakes;
    DocumentController controller { [this] {
        return std::make_unique<MyDocument>(fakes.services());
    } };
    MainMenu menu { controller };
};

using MainMenuTest = MenuFixture;

} // namespace

TEST_F(MainMenuTest, EveryWindowCarriesTheSameSharedItems)
{
    MyDocument *first = openDocument();
    MyDocument *second = openDocument();
    QAction *loopItem
        = menu.itemWithTitle(QStringLiteral("Slideshow"), QStringLiteral("Loop Slideshow"));
    QAction *randomItem
        = menu.itemWithTitle(QStringLiteral("Slideshow"), QStringLiteral("Randomize Slides"));
    ASSERT_NE(loopItem, nullptr);
    ASSERT_NE(randomItem, nullptr);
    EXPECT_EQ(loopItem, menu.loopItem());
    EXPECT_EQ(randomItem, menu.randomItem());
    for (MyDocument *document : { first, second }) {
        const QList<QAction *> items = menuBarItems(document->window());
        EXPECT_TRUE(items.contains(loopItem));
        EXPECT_TRUE(items.contains(randomItem));
    }
}

// Every window holds the same two items; their check marks are the current show's switches,
// whichever way those change, and the items turn only the current show's.
TEST_F(MainMenuTest, LoopAndRandomItemsShowAndTurnTheCurrentShowsSwitches)
{
    MyDocument *first = openDocument();
    MyDocument *second = openDocument();
    for (MyDocument *document : { first, second }) {
        document->getImageHandler()->appendSlide(makeSlide(QStringLiteral("a.jpg")));
        document->getImageHandler()->appendSlide(makeSlide(QStringLiteral("b.jpg")));
    }
    // "L" for loop on, "R" for random on, "-" for off.
    auto text = [](bool loop, bool random) {
        return std::string { loop ? 'L' : '-', random ? 'R' : '-' };
    };
    auto switches = [&](MyDocument *document) {
        return text(document->show()->isLoop(), document->show()->isRandom());
    };
    auto marks = [&] { return text(menu.loopItem()->isChecked(), menu.randomItem()->isChecked()); };
    struct Step
    {
        const char *what;
        std::function<void()> act;
        const char *first, *second, *marks;
    };
    const Step steps[] = {
        { "loop chosen in the first", [&] { menu.loopItem()->trigger(); }, "L-", "--", "L-" },
        { "the second activated", [&] { activate(second); }, "L-", "--", "--" },
        { "random chosen in the second", [&] { menu.randomItem()->trigger(); }, "L-", "-R", "-R" },
        { "the first activated again", [&] { activate(first); }, "L-", "-R", "L-" },
        { "loop turned off by the show", [&] { first->show()->setLoop(false); }, "--", "-R", "--" },
        { "random off in the show behind", [&] { second->show()->setRandom(false); }, "--", "--",
          "--" },
        { "random chosen in the first", [&] { menu.randomItem()->trigger(); }, "-R", "--", "-R" },
    };
    activate(first);
    for (const Step &step : steps) {
        step.act();
        EXPECT_EQ(switches(first), step.first) << step.what;
        EXPECT_EQ(switches(second), step.second) << step.what;
        EXPECT_EQ(marks(), step.marks) << step.what;
    }

    // A new show starts with both off, and the items show it.
    MyDocument *third = openDocument();
    ASSERT_EQ(controller.currentDocument(), third);
    EXPECT_EQ(switches(third), "--");
    EXPECT_EQ(marks(), "--");
    EXPECT_EQ(switches(first), "-R");
}

TEST_F(MainMenuTest, CommandsGoToTheCurrentDocumentAndNeedOne)
{
    MyDocument *first = openDocument();
    MyDocument *second = openDocument();
    first->getImageHandler()->appendSlide(makeSlide(QStringLiteral("a.jpg")));
    second->getImageHandler()->appendSlide(makeSlide(QStringLiteral("b.jpg")));
    QAction *removeAll
        = menu.itemWithTitle(QStringLiteral("Slideshow"), QStringLiteral("Remove All Images"));
    ASSERT_NE(removeAll, nullptr);

    activate(first);
    removeAll->trigger();
    EXPECT_EQ(first->getImageHandler()->numImages(), 0);
    EXPECT_EQ(second->getImageHandler()->numImages(), 1);

    // With every show closed there is nobody to send the commands to.
    controller.closeAll();
    EXPECT_FALSE(removeAll->isEnabled());
    EXPECT_FALSE(menu.loopItem()->isEnabled());
    menu.loopItem()->trigger();
    EXPECT_FALSE(menu.loopItem()->isChecked());
}

// Every window holds the same action, so its shortcut must neither clash between the windows nor
// reach a show other than the one whose window is active.
TEST_F(MainMenuTest, ShortcutOfASharedItemReachesTheActiveWindowsShow)
{
    MyDocument *first = openDocument();
    MyDocument *second = openDocument();

    activate(first);
    QTest::keyClick(first->window(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_TRUE(menu.loopItem()->isChecked());
    EXPECT_TRUE(loop(first));
    EXPECT_FALSE(loop(second));

    activate(second);
    EXPECT_FALSE(menu.loopItem()->isChecked());
    QTest::keyClick(second->window(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_TRUE(menu.loopItem()->isChecked());
    EXPECT_TRUE(loop(first));
    EXPECT_TRUE(loop(second));
    QTest::keyClick(second->window(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_FALSE(loop(second));
    EXPECT_TRUE(loop(first));
}

TEST_F(MainMenuTest, ClosingTheCurrentWindowHandsTheCommandsToTheShowActiveBefore)
{
    MyDocument *first = openDocument();
    MyDocument *second = openDocument();
    activate(second);
    activate(first);
    MyDocument *third = openDocument();
    ASSERT_EQ(controller.currentDocument(), third);

    third->window()->close();
    QApplication::processEvents();
    ASSERT_EQ(controller.documents().size(), 2u);
    EXPECT_EQ(controller.currentDocument(), first);
    menu.loopItem()->trigger();
    EXPECT_TRUE(loop(first));
    EXPECT_FALSE(loop(second));
}

// In German every item of every menu, the Help menu included, reads German (from the shipped
// translation), Qt's own buttons too, and the commands still reach the show: nothing goes by
// an item's English text.
TEST_F(MainMenuTest, GermanMenusTranslateEveryItemAndStillWork)
{
    const auto texts = [](DocumentWindow *window) {
        QStringList all;
        for (QAction *top : window->menuBar()->actions())
            all << top->text();
        for (QAction *item : menuBarItems(window))
            all << item->text();
        all.removeAll(QString());
        return all;
    };
    const QStringList english = texts(openDocument()->window());

    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    installTranslations(*QCoreApplication::instance());
    const auto restore = qScopeGuard([&] {
        for (QTranslator *translator :
             QCoreApplication::instance()->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QLocale::setDefault(previous);
    });
    DocumentController germanController { [this] {
        return std::make_unique<MyDocument>(fakes.services());
    } };
    MainMenu german(germanController);
    germanController.setWindowHook([&](DocumentWindow *window) { german.installInto(window); });
    auto *document = static_cast<MyDocument *>(germanController.openUntitledDocumentAndDisplay());
    const QStringList translated = texts(document->window());
    ASSERT_EQ(translated.size(), english.size());
    for (qsizetype i = 0; i < translated.size(); ++i)
        EXPECT_NE(translated[i], english[i]) << qPrintable(english[i]) << " is not translated";
    EXPECT_EQ(QDialogButtonBox(QDialogButtonBox::Cancel).button(QDialogButtonBox::Cancel)->text(),
              QStringLiteral("Abbrechen"));

    document->window()->activateWindow();
    QApplication::processEvents();
    german.loopItem()->trigger();
    german.randomItem()->trigger();
    EXPECT_TRUE(loop(document));
    EXPECT_TRUE(document->getImageHandler()->isRandom());

    // The show file's type is a name, not a text to translate: a German save must write the
    // show, and a German open must read it back, flags and all.
    QTemporaryDir folder;
    FakeDocumentPanels panels;
    panels.saveAsAnswer = folder.filePath(QStringLiteral("Urlaub.lrshow"));
    germanController.setPanels(&panels);
    const auto noPanels = qScopeGuard([&] { germanController.setPanels(nullptr); });
    document->getImageHandler()->appendSlide(makeSlide(QStringLiteral("a.jpg")));
    ASSERT_TRUE(saveAsNow(germanController, document));
    MyDocument *reopened = openNow(germanController, *panels.saveAsAnswer);
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(reopened->getImageHandler()->numImages(), 1);
    EXPECT_TRUE(loop(reopened));
    EXPECT_TRUE(reopened->getImageHandler()->isRandom());
}
