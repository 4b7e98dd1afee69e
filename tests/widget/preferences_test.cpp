// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainmenu.h"
#include "display/colorwell.h"
#include "document/mydocument.h"
#include "document/preferencekeys.h"
#include "fakes.h"
#include "panels/preferencespanel.h"
#include "platform/qt/documentcontroller.h"
#include "platform/qt/qtpreferencestore.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <gtest/gtest.h>

// Test names and failure messages show the typed text, not its bytes.
void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

using namespace lanternreel;
using namespace lanternreel::testing;

namespace {

const QColor SlateBlue = QColor::fromRgb(0x33, 0x66, 0x99);
const QString SlateBlueText = QStringLiteral("#ff336699");

class PreferencesTest : public ::testing::Test
{
protected:
    PreferencesTest()
        : controller([this] { return std::make_unique<MyDocument>(fakes.services()); })
    { }
    ~PreferencesTest() override
    {
        controller.closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    MyDocument *openDocument()
    {
        return static_cast<MyDocument *>(controller.openUntitledDocumentAndDisplay());
    }

    // Opens the panel and types into it, as the user would before pressing a button.
    static void fillPanel(MyDocument *document, const QString &interval, const QColor &color)
    {
        document->showPreferencesPanel();
        document->getPreferencesPanel()->timerInterval()->setText(interval);
        document->getPreferencesPanel()->bgColor()->setColor(color);
    }

    static bool isOpen(const QPointer<QDialog> &panel) { return panel && panel->isVisible(); }

    static QPushButton *button(QDialog *panel, const char *name)
    {
        return panel->findChild<QPushButton *>(QString::fromLatin1(name));
    }

    QVariant stored(const QString &key) const { return fakes.preferences.stored.value(key); }

    FakeServices fakes;
    DocumentController controller;
};

TEST_F(PreferencesTest, AFreshUserGetsThreeSecondsAndBlack)
{
    MyDocument *document = openDocument();
    EXPECT_EQ(document->getTimerLength(), 3);
    EXPECT_EQ(document->getFullscreenColor(), QColor(Qt::black));

    document->showPreferencesPanel();
    EXPECT_TRUE(isOpen(document->getPreferencesPanel()));
    EXPECT_EQ(document->getPreferencesPanel()->timerInterval()->text(), QStringLiteral("3"));
    EXPECT_EQ(document->getPreferencesPanel()->bgColor()->color(), QColor(Qt::black));
}

TEST(ColorWellTest, ShowsItsColour)
{
    ColorWell well;
    well.resize(well.sizeHint());
    well.setColor(SlateBlue);
    const QImage shown = well.grab().toImage();
    EXPECT_EQ(shown.pixelColor(shown.rect().center()), SlateBlue);
}

TEST_F(PreferencesTest, ThePanelShowsTheDocumentsOwnValuesNotTheStores)
{
    MyDocument *first = openDocument();
    MyDocument *second = openDocument();
    fillPanel(second, QStringLiteral("9"), SlateBlue);
    second->savePreferences();

    first->showPreferencesPanel();
    EXPECT_EQ(first->getPreferencesPanel()->timerInterval()->text(), QStringLiteral("3"));
    EXPECT_EQ(first->getPreferencesPanel()->bgColor()->color(), QColor(Qt::black));
}

class RefusedIntervalTest : public PreferencesTest, public ::testing::WithParamInterface<QString>
{
};

TEST_P(RefusedIntervalTest, BeepsAlertsAndKeepsThePanelButTheColourIsAlreadyTaken)
{
    MyDocument *document = openDocument();
    fillPanel(document, GetParam(), SlateBlue);
    const QPointer<QDialog> panel = document->getPreferencesPanel();

    int beepsWhenAlerted = -1;
    fakes.alerts.onAlert = [&] { beepsWhenAlerted = fakes.alerts.beeps; };
    document->savePreferences();

    EXPECT_EQ(fakes.alerts.beeps, 1);
    EXPECT_EQ(beepsWhenAlerted, 1) << "the beep comes before the alert";
    ASSERT_EQ(fakes.alerts.alerts.size(), 1u);
    EXPECT_EQ(fakes.alerts.alerts[0].messageText, QStringLiteral("Invalid Timer Interval"));
    EXPECT_EQ(fakes.alerts.alerts[0].informativeText,
              QStringLiteral("The time between slides must be an integer greater than 0."));

    EXPECT_EQ(document->getTimerLength(), 3);
    EXPECT_FALSE(fakes.preferences.stored.contains(QStringLiteral("Timer Length")));
    EXPECT_EQ(document->getFullscreenColor(), SlateBlue);
    EXPECT_EQ(stored(QStringLiteral("Color")).toString(), SlateBlueText);

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(isOpen(panel));
    EXPECT_EQ(document->getPreferencesPanel()->timerInterval()->text(), GetParam())
        << "the text stays as typed";
}

INSTANTIATE_TEST_SUITE_P(ZeroNegativeLettersEmpty, RefusedIntervalTest,
                         ::testing::Values(QStringLiteral("0"), QStringLiteral("-3"),
                                           QStringLiteral("abc"), QString()));

struct Accepted
{
    QString text;
    int32_t seconds;
};

class AcceptedIntervalTest : public PreferencesTest, public ::testing::WithParamInterface<Accepted>
{
};

TEST_P(AcceptedIntervalTest, StoresBothAppliesThemAndClosesThePanel)
{
    MyDocument *document = openDocument();
    fillPanel(document, GetParam().text, SlateBlue);
    const QPointer<QDialog> panel = document->getPreferencesPanel();

    document->savePreferences();

    EXPECT_EQ(fakes.alerts.beeps, 0);
    EXPECT_TRUE(fakes.alerts.alerts.empty());
    EXPECT_EQ(document->getTimerLength(), GetParam().seconds);
    EXPECT_EQ(stored(QStringLiteral("Timer Length")).toInt(), GetParam().seconds);
    EXPECT_EQ(document->getFullscreenColor(), SlateBlue);
    EXPECT_EQ(stored(QStringLiteral("Color")).toString(), SlateBlueText);
    EXPECT_FALSE(isOpen(panel));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(panel.isNull()) << "a closed panel is let go";
}

INSTANTIATE_TEST_SUITE_P(LeadingIntegerOfTheText, AcceptedIntervalTest,
                         ::testing::Values(Accepted { QStringLiteral("2.9"), 2 },
                                           Accepted { QStringLiteral("12abc"), 12 },
                                           Accepted { QStringLiteral(" 7"), 7 },
                                           Accepted { QStringLiteral("1"), 1 }));

TEST_F(PreferencesTest, CorrectingARefusedIntervalAndSavingAgainStoresBothAndCloses)
{
    MyDocument *document = openDocument();
    fillPanel(document, QStringLiteral("0"), SlateBlue);
    const QPointer<QDialog> panel = document->getPreferencesPanel();
    button(panel, "saveButton")->click();
    ASSERT_EQ(fakes.alerts.alerts.size(), 1u);
    ASSERT_TRUE(isOpen(panel));

    document->getPreferencesPanel()->timerInterval()->setText(QStringLiteral("6"));
    document->getPreferencesPanel()->bgColor()->setColor(Qt::darkGreen);
    button(panel, "saveButton")->click();

    EXPECT_EQ(fakes.alerts.alerts.size(), 1u);
    EXPECT_EQ(document->getTimerLength(), 6);
    EXPECT_EQ(stored(QStringLiteral("Timer Length")).toInt(), 6);
    EXPECT_EQ(document->getFullscreenColor(), QColor(Qt::darkGreen));
    EXPECT_EQ(stored(QStringLiteral("Color")).toString(),
              QColor(Qt::darkGreen).name(QColor::HexArgb));
    EXPECT_FALSE(isOpen(panel));
}

TEST_F(PreferencesTest, OtherOpenDocumentsKeepTheirValuesAndLaterOnesTakeTheNewOnes)
{
    MyDocument *other = openDocument();
    MyDocument *document = openDocument();
    const QColor translucent(10, 20, 30, 128);
    fillPanel(document, QStringLiteral("11"), translucent);
    document->savePreferences();

    EXPECT_EQ(other->getTimerLength(), 3);
    EXPECT_EQ(other->getFullscreenColor(), QColor(Qt::black));

    MyDocument *later = openDocument();
    EXPECT_EQ(later->getTimerLength(), 11);
    EXPECT_EQ(later->getFullscreenColor(), translucent);
}

// The screen for full screen is kept by name: one unplugged for now stays chosen for when it is
// back, and the first item goes back to the default.
TEST_F(PreferencesTest, TheScreenForFullScreenIsStoredByNameAndSurvivesBeingUnplugged)
{
    const DisplayScreen left { QStringLiteral("Left"), { 0, 0, 1280, 800 } };
    const DisplayScreen right { QStringLiteral("Right"), { 1280, 0, 1024, 768 } };
    struct Step
    {
        std::vector<DisplayScreen> plugged;
        int pick; // -1 leaves the box as it opened
        QString shownAtOpening;
        QString stored;
    };
    const Step steps[] = {
        { { left, right },
          2,
          QStringLiteral("The screen without the show's window"),
          QStringLiteral("Right") },
        { { left }, -1, QStringLiteral("Right (not connected)"), QStringLiteral("Right") },
        { { left, right }, 0, QStringLiteral("Right (1024×768)"), QString() },
    };
    MyDocument *document = openDocument();
    for (const Step &step : steps) {
        SCOPED_TRACE(step.stored.toStdString());
        fakes.display.screenList = step.plugged;
        document->showPreferencesPanel();
        QComboBox *box = document->getPreferencesPanel()->presentationScreen();
        EXPECT_EQ(box->currentText(), step.shownAtOpening);
        if (step.pick >= 0)
            box->setCurrentIndex(step.pick);
        document->savePreferences();
        EXPECT_EQ(stored(PresentationScreenKey).toString(), step.stored);
    }
}

TEST_F(PreferencesTest, CancelStoresNothingAndClosesThePanel)
{
    MyDocument *document = openDocument();
    fillPanel(document, QStringLiteral("42"), SlateBlue);
    const QPointer<QDialog> panel = document->getPreferencesPanel();

    button(panel, "cancelButton")->click();

    EXPECT_FALSE(isOpen(panel));
    EXPECT_TRUE(fakes.preferences.stored.isEmpty());
    EXPECT_EQ(document->getTimerLength(), 3);
    EXPECT_EQ(document->getFullscreenColor(), QColor(Qt::black));
    EXPECT_EQ(fakes.alerts.beeps, 0);
}

TEST_F(PreferencesTest, EachOpeningMakesANewPanelAndTheOutletsFollowTheNewest)
{
    MyDocument *document = openDocument();
    fillPanel(document, QStringLiteral("4"), Qt::red);
    const QPointer<QDialog> older = document->getPreferencesPanel();
    fillPanel(document, QStringLiteral("8"), Qt::blue);
    const QPointer<QDialog> newest = document->getPreferencesPanel();

    ASSERT_NE(older, newest);
    EXPECT_TRUE(isOpen(older));
    EXPECT_TRUE(isOpen(newest));
    EXPECT_EQ(document->getPreferencesPanel(), newest.data());

    document->savePreferences();
    EXPECT_EQ(document->getTimerLength(), 8);
    EXPECT_EQ(document->getFullscreenColor(), QColor(Qt::blue));
    EXPECT_FALSE(isOpen(newest));
    EXPECT_TRUE(isOpen(older));

    // The older panel's own Save stores what that panel shows.
    button(older, "saveButton")->click();
    EXPECT_EQ(document->getTimerLength(), 4);
    EXPECT_EQ(stored(QStringLiteral("Timer Length")).toInt(), 4);
    EXPECT_EQ(document->getFullscreenColor(), QColor(Qt::red));
    EXPECT_FALSE(isOpen(older));
}

TEST_F(PreferencesTest, SavingWithNoPanelLeftDoesNothing)
{
    MyDocument *document = openDocument();
    document->showPreferencesPanel();
    document->cancelPreferences();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    document->savePreferences();
    EXPECT_TRUE(fakes.preferences.stored.isEmpty());
    EXPECT_EQ(fakes.alerts.beeps, 0);
}

TEST_F(PreferencesTest, ClosingTheDocumentTakesItsPanelsWithIt)
{
    MyDocument *document = openDocument();
    document->showPreferencesPanel();
    const QPointer<QDialog> panel = document->getPreferencesPanel();
    controller.closeDocument(document);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(panel.isNull());
}

TEST_F(PreferencesTest, EditMenuFollowsFileAndOpensThePanelOfTheCurrentDocument)
{
    MainMenu menu(controller);
    MyDocument *document = openDocument();
    menu.installInto(document->window());

    QStringList titles;
    for (QAction *action : document->window()->menuBar()->actions())
        titles.append(action->text().remove(QLatin1Char('&')));
    ASSERT_GE(titles.size(), 2);
    EXPECT_EQ(titles.indexOf(QStringLiteral("Edit")), titles.indexOf(QStringLiteral("File")) + 1);

    QAction *item = menu.itemWithTitle(QStringLiteral("Edit"), QStringLiteral("Preferences…"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Comma));
    item->trigger();
    EXPECT_TRUE(isOpen(document->getPreferencesPanel()));
}

// The real store: the values land in QSettings under their own names and outlive the run.
TEST(QtPreferenceStoreTest, SavedValuesLandInTheSettingsAndReachTheNextRun)
{
    QSettings(QStringLiteral("Lanternreel"), QStringLiteral("Lanternreel")).clear();
    FakeServices fakes;
    {
        QtPreferenceStore store;
        fakes.bundle.preferences = &store;
        MyDocument fresh(fakes.services());
        EXPECT_EQ(fresh.getTimerLength(), 3);
        EXPECT_EQ(fresh.getFullscreenColor(), QColor(Qt::black));

        fresh.showPreferencesPanel();
        fresh.getPreferencesPanel()->timerInterval()->setText(QStringLiteral("5"));
        fresh.getPreferencesPanel()->bgColor()->setColor(SlateBlue);
        fresh.savePreferences();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    const QSettings settings(QStringLiteral("Lanternreel"), QStringLiteral("Lanternreel"));
    EXPECT_EQ(settings.value(QStringLiteral("Timer Length")).toInt(), 5);
    EXPECT_EQ(settings.value(QStringLiteral("Color")).toString(), SlateBlueText);

    QtPreferenceStore nextRun;
    fakes.bundle.preferences = &nextRun;
    MyDocument later(fakes.services());
    EXPECT_EQ(later.getTimerLength(), 5);
    EXPECT_EQ(later.getFullscreenColor(), SlateBlue);
}

} // namespace
