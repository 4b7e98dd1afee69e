// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/mydocument.h"
#include "document/preferencekeys.h"
#include "fakes.h"
#include "panels/infopanel.h"
#include "panels/soundpanel.h"
#include "platform/qt/documentcontroller.h"
#include "slides/imagehandler.h"
#include "soundtrack/soundhandler.h"
#include "soundtrack/soundtrackmodel.h"
#include "testslides.h"

#include <QApplication>
#include <QDropEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>

// Failure messages show the text, not its bytes.
void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

using namespace lanternreel;
using namespace lanternreel::testing;

namespace {

class PanelsTest : public ::testing::Test
{
protected:
    PanelsTest()
        : controller([this] { return std::make_unique<MyDocument>(fakes.services()); })
    { }
    ~PanelsTest() override
    {
        controller.closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A document whose interval is `seconds`, holding `slides` slides.
    MyDocument *openDocument(int32_t slides = 0, int32_t seconds = 3)
    {
        fakes.preferences.stored.insert(TimerLengthKey, seconds);
        auto *document = static_cast<MyDocument *>(controller.openUntitledDocumentAndDisplay());
        for (int32_t i = 0; i < slides; ++i)
            document->getImageHandler()->appendSlide(makeSlide(QStringLiteral("s.jpg")));
        return document;
    }

    // Adds /music/NAME for each name, W lasting 1 second, X 2, and so on.
    void addSounds(MyDocument *document, const QStringList &names)
    {
        QStringList paths;
        for (const QString &name : names) {
            paths.append(QStringLiteral("/music/") + name);
            fakes.mediaLength.set(paths.back(), name.at(0).unicode() - u'W' + 1);
        }
        fakes.openPanels.soundAnswers.push_back(paths);
        document->addSong();
        fakes.log.outLines.clear();
    }

    static QStringList names(MyDocument *document)
    {
        const auto &list = document->getSoundHandler()->returnSoundNames();
        return QStringList(list.begin(), list.end());
    }

    static QStringList infoTexts(const InfoPanel *panel)
    {
        return { panel->numberOfSlides()->text(), panel->durationOfSlides()->text(),
                 panel->projectedDuration()->text(), panel->projectedSoundtrackDuration()->text() };
    }

    static QTableView *table(MyDocument *document)
    {
        return document->getSoundPanel()->tableView();
    }
    static QAbstractItemModel *model(MyDocument *document) { return table(document)->model(); }

    static void selectRows(QTableView *view, const QList<int> &rows)
    {
        view->clearSelection();
        for (int row : rows)
            view->selectionModel()->select(view->model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    // The drag of the selected rows, as the view starts it; null when it may not start.
    static std::unique_ptr<QMimeData> dragSelected(MyDocument *document)
    {
        QTableView *view = table(document);
        return std::unique_ptr<QMimeData>(
            view->model()->mimeData(view->selectionModel()->selectedIndexes()));
    }

    // Drags `data` into the table's viewport and drops it at `at`, as the window system does;
    // a drag the table turns away on entering is never dropped.
    static void dropAt(QTableView *view, const QMimeData &data, QPoint at)
    {
        QDragEnterEvent enter(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &enter);
        QDropEvent drop(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &drop);
    }

    static void closeAndDelete(QWidget *panel)
    {
        panel->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    FakeServices fakes;
    DocumentController controller;
};

} // namespace

TEST_F(PanelsTest, InformationPanelTellsTheSizeOfTheShow)
{
    struct Case
    {
        int32_t slides;
        int32_t seconds;
        QStringList texts;
    };
    const Case cases[] = {
        { 12, 3, { "12 images", "3 seconds", "36 seconds", "0:00" } },
        { 25, 5, { "25 images", "5 seconds", "2 minutes", "0:00" } },
        { 20, 3, { "20 images", "3 seconds", "1 minutes", "0:00" } },
        { 0, 3, { "0 images", "3 seconds", "0 seconds", "0:00" } },
        { 1, 59, { "1 images", "59 seconds", "59 seconds", "0:00" } },
        // 4,000,000,000 seconds: past what 32 bits hold.
        { 2, 2'000'000'000, { "2 images", "2000000000 seconds", "66666666 minutes", "0:00" } },
    };
    for (const Case &c : cases) {
        MyDocument *document = openDocument(c.slides, c.seconds);
        document->slideshowInfo();
        ASSERT_TRUE(document->getInfoPanel() && document->getInfoPanel()->isVisible());
        EXPECT_EQ(infoTexts(document->getInfoPanel()), c.texts) << c.slides << " at " << c.seconds;
    }
}

// Fit Interval to Soundtrack: the nearest whole seconds, at least 1, for this show only; or,
// with nothing to fit, the reason and nothing changed.
TEST_F(PanelsTest, FittingTheIntervalToTheSoundtrack)
{
    struct Case
    {
        int32_t slides;
        std::vector<double> sounds; // seconds
        int32_t interval; // expected; 5 (as before) when refused
        const char *sideBySide; // the panel's new row, or the refusal's reason
    };
    const Case cases[] = {
        { 12, { 61, 62 }, 10, "2:00 of slides, 2:03 of soundtrack" }, // 10.25
        { 10, { 25 }, 3, "0:30 of slides, 0:25 of soundtrack" }, // 2.5: the longer one
        { 7, { 200 }, 29, "3:23 of slides, 3:20 of soundtrack" }, // 28.57
        { 60, { 30 }, 1, "1:00 of slides, 0:30 of soundtrack" }, // half a second: a tie
        { 60, { 20 }, 1, "1:00 of slides, 0:20 of soundtrack" }, // a third: at least 1
        { 1, { 3725 }, 3725, "1:02:05 of slides, 1:02:05 of soundtrack" },
        { 0,
          { 60 },
          5,
          "The slideshow has no slides to fit to the soundtrack. Import images first." },
        { 5, {}, 5, "The slideshow has no soundtrack to fit the slides to. Add sounds first." },
        { 5, { 0.4 }, 5, "The soundtrack lasts less than a second." },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.slides << " slides, " << c.sounds.size() << " sounds");
        MyDocument *document = openDocument(c.slides, 5);
        QStringList paths;
        for (double seconds : c.sounds) {
            paths.append(QStringLiteral("/music/%1.wav").arg(paths.size()));
            fakes.mediaLength.set(paths.back(), seconds);
        }
        if (!paths.isEmpty()) {
            fakes.openPanels.soundAnswers.push_back(paths);
            document->addSong();
        }
        document->setDocumentEdited(false);
        fakes.alerts.alerts.clear();

        document->fitIntervalToSoundtrack();
        EXPECT_EQ(document->getTimerLength(), c.interval);
        EXPECT_EQ(fakes.preferences.value(TimerLengthKey).toInt(), 5);
        // The show file keeps no interval: there is nothing new to save.
        EXPECT_FALSE(document->isDocumentEdited());
        const InfoPanel *panel = document->getInfoPanel();
        if (fakes.alerts.alerts.empty()) {
            ASSERT_TRUE(panel && panel->isVisible());
            EXPECT_EQ(panel->durationOfSlides()->text(),
                      QStringLiteral("%1 seconds").arg(c.interval));
            EXPECT_EQ(panel->passAndSoundtrack()->text(), QString::fromUtf8(c.sideBySide));
        } else {
            EXPECT_EQ(panel, nullptr);
            EXPECT_EQ(fakes.alerts.alerts[0].messageText,
                      QStringLiteral("Cannot Fit the Interval"));
            EXPECT_EQ(fakes.alerts.alerts[0].informativeText, QString::fromUtf8(c.sideBySide));
        }
        controller.closeDocument(document);
    }
}

TEST_F(PanelsTest, InformationIsASnapshotAndEachOpeningANewPanel)
{
    MyDocument *document = openDocument(12, 3);
    addSounds(document, { "Y.wav", "Z.wav" });
    document->slideshowInfo();
    const QPointer<InfoPanel> first = document->getInfoPanel();
    EXPECT_EQ(first->projectedSoundtrackDuration()->text(), QStringLiteral("0:07"));

    document->getImageHandler()->appendSlide(makeSlide(QStringLiteral("t.jpg")));
    EXPECT_EQ(first->numberOfSlides()->text(), QStringLiteral("12 images"));

    document->slideshowInfo();
    const InfoPanel *second = document->getInfoPanel();
    EXPECT_NE(second, first);
    EXPECT_TRUE(first && first->isVisible());
    EXPECT_EQ(second->numberOfSlides()->text(), QStringLiteral("13 images"));
    EXPECT_EQ(second->projectedDuration()->text(), QStringLiteral("39 seconds"));
    EXPECT_EQ(first->numberOfSlides()->text(), QStringLiteral("12 images"));

    closeAndDelete(document->getInfoPanel());
    EXPECT_EQ(document->getInfoPanel(), nullptr);
    EXPECT_TRUE(first);
}

TEST_F(PanelsTest, SoundtrackTableShowsTheSoundsLive)
{
    MyDocument *document = openDocument();
    document->showSoundPanel();
    QTableView *view = table(document);
    ASSERT_NE(view, nullptr);
    QAbstractItemModel *table = view->model();
    EXPECT_EQ(table->rowCount(), 0);
    ASSERT_EQ(table->columnCount(), 2);
    EXPECT_EQ(table->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Sound"));
    EXPECT_EQ(table->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Duration"));

    fakes.mediaLength.set(QStringLiteral("/music/W.wav"), 65);
    fakes.openPanels.soundAnswers.push_back(QStringList { QStringLiteral("/music/W.wav") });
    document->getSoundPanel()->findChild<QPushButton *>(QStringLiteral("addSoundButton"))->click();
    addSounds(document, { "X.wav" });
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(view->horizontalHeader()->count(), 2);
    EXPECT_EQ(table->index(0, 0).data().toString(), QStringLiteral("W.wav"));
    EXPECT_EQ(table->index(0, 1).data().toString(), QStringLiteral("1:05"));
    EXPECT_EQ(table->index(1, 1).data().toString(), QStringLiteral("0:02"));

    selectRows(view, { 0 });
    document->getSoundPanel()
        ->findChild<QPushButton *>(QStringLiteral("removeSoundButton"))
        ->click();
    EXPECT_EQ(names(document), QStringList { "X.wav" });
    EXPECT_EQ(table->rowCount(), 1);
}

TEST_F(PanelsTest, DraggingOneRowOntoAnotherSwapsThem)
{
    MyDocument *document = openDocument();
    addSounds(document, { "W.wav", "X.wav", "Y.wav", "Z.wav" });
    document->showSoundPanel();
    QTableView *view = table(document);
    document->getSoundPanel()->resize(420, 400);
    QApplication::processEvents();

    selectRows(view, { 0 });
    std::unique_ptr<QMimeData> drag = dragSelected(document);
    ASSERT_NE(drag, nullptr);
    EXPECT_EQ(drag->text(), QStringLiteral("W.wav"));
    dropAt(view, *drag, view->visualRect(view->model()->index(2, 1)).center());
    EXPECT_EQ(names(document), QStringList({ "Y.wav", "X.wav", "W.wav", "Z.wav" }));
    EXPECT_EQ(fakes.log.outLines, QStringList { QStringLiteral("here") });
    // The table shows the new order, lengths still beside their names.
    EXPECT_EQ(view->model()->index(0, 0).data().toString(), QStringLiteral("Y.wav"));
    EXPECT_EQ(view->model()->index(0, 1).data().toString(), QStringLiteral("0:03"));

    // Row 1 into the empty space below the last row.
    selectRows(view, { 1 });
    drag = dragSelected(document);
    ASSERT_NE(drag, nullptr);
    const QRect last = view->visualRect(view->model()->index(3, 0));
    ASSERT_LT(last.bottom() + 20, view->viewport()->height());
    dropAt(view, *drag, QPoint(last.center().x(), last.bottom() + 15));
    EXPECT_EQ(names(document), QStringList({ "Y.wav", "Z.wav", "W.wav", "X.wav" }));

    // Several rows cannot be dragged.
    selectRows(view, { 0, 2 });
    EXPECT_EQ(dragSelected(document), nullptr);
}

// Whichever panel, button, command or drop changes the soundtrack, every open table shows it as
// it now is, already while an alert about an invalid file waits, and a sound selected in one
// table stays selected while the others change the soundtrack around it.
TEST_F(PanelsTest, EveryOpenTableShowsTheSoundtrackAsItIs)
{
    MyDocument *document = openDocument();
    addSounds(document, { "W.wav", "X.wav" });
    document->showSoundPanel();
    SoundPanel *older = document->getSoundPanel();
    QTableView *olderView = older->tableView();
    document->showSoundPanel();
    SoundPanel *newer = document->getSoundPanel();
    QTableView *newerView = newer->tableView();
    for (QDialog *panel : { older, newer })
        panel->resize(420, 400);
    int resets = 0;
    QObject::connect(document->getSoundHandler()->model(), &QAbstractItemModel::modelReset,
                     [&resets] { ++resets; });
    selectRows(newerView, { 1 });

    // The rows the view has taken in; the model itself always answers from the soundtrack.
    auto shown = [](QTableView *view) {
        QStringList rows;
        for (int row = 0; row < view->verticalHeader()->count(); ++row)
            rows.append(view->model()->index(row, 0).data().toString());
        return rows;
    };
    auto selected = [](SoundPanel *panel) {
        QStringList rows;
        for (int row : panel->selectedRows())
            rows.append(panel->tableView()->model()->index(row, 0).data().toString());
        return rows;
    };
    auto expectEveryTableCurrent = [&](const char *when) {
        EXPECT_EQ(shown(olderView), names(document)) << when << ": the older table";
        EXPECT_EQ(shown(newerView), names(document)) << when << ": the newer table";
        EXPECT_EQ(selected(newer), QStringList { "X.wav" }) << when << ": the newer selection";
    };
    auto click = [](QDialog *panel, const char *button) {
        panel->findChild<QPushButton *>(QLatin1String(button))->click();
    };
    auto chooseSounds = [this](const QStringList &names) {
        QStringList paths;
        for (const QString &name : names) {
            paths.append(QStringLiteral("/music/") + name);
            if (name != QLatin1String("bad.wav"))
                fakes.mediaLength.set(paths.back(), 5);
        }
        fakes.openPanels.soundAnswers.push_back(paths);
    };
    int alertsSeen = 0;
    fakes.alerts.onAlert = [&] {
        ++alertsSeen;
        expectEveryTableCurrent("while the alert is up");
    };

    struct Step
    {
        const char *what;
        std::function<void()> act;
        const char *after;
    };
    const Step steps[] = {
        { "added through the older panel",
          [&] {
              chooseSounds({ "Y.wav" });
              click(older, "addSoundButton");
          },
          "W X Y" },
        { "added through the newer panel",
          [&] {
              chooseSounds({ "Z.wav" });
              click(newer, "addSoundButton");
          },
          "W X Y Z" },
        { "removed through the older panel",
          [&] {
              selectRows(olderView, { 0 });
              click(older, "removeSoundButton");
          },
          "X Y Z" },
        { "added with the menu command",
          [&] {
              chooseSounds({ "V.wav" });
              document->addSong();
          },
          "X Y Z V" },
        { "added before an invalid file",
          [&] {
              chooseSounds({ "T.wav", "bad.wav", "U.wav" });
              click(newer, "addSoundButton");
          },
          "X Y Z V T" },
        { "swapped by a drop in the older table",
          [&] {
              selectRows(olderView, { 1 });
              const std::unique_ptr<QMimeData> drag(
                  olderView->model()->mimeData(olderView->selectionModel()->selectedIndexes()));
              ASSERT_NE(drag, nullptr);
              dropAt(olderView, *drag,
                     olderView->visualRect(olderView->model()->index(2, 0)).center());
          },
          "X Z Y V T" },
        // The table that took the drop is the one the user works in.
        { "removed with the menu command",
          [&] {
              selectRows(olderView, { 1 });
              document->removeSong();
          },
          "X Y V T" },
    };
    for (const Step &step : steps) {
        step.act();
        QStringList expected;
        for (const QString &name : QString::fromLatin1(step.after).split(QLatin1Char(' ')))
            expected.append(name + QStringLiteral(".wav"));
        EXPECT_EQ(names(document), expected) << step.what;
        expectEveryTableCurrent(step.what);
    }
    EXPECT_EQ(alertsSeen, 1);
    EXPECT_EQ(resets, 0);
}

TEST_F(PanelsTest, DropsThatDidNotStartInThisSoundtrackAreRefused)
{
    MyDocument *document = openDocument();
    MyDocument *other = openDocument();
    addSounds(document, { "W.wav", "X.wav", "Y.wav" });
    addSounds(other, { "W.wav", "X.wav", "Y.wav" });
    document->showSoundPanel();
    other->showSoundPanel();
    QTableView *view = table(document);
    const QPoint onRow2 = view->visualRect(view->model()->index(2, 0)).center();

    // A drag from this table sets draggedRow; the drops below must not reuse it.
    selectRows(view, { 0 });
    ASSERT_NE(dragSelected(document), nullptr);

    QMimeData text;
    text.setText(QStringLiteral("W.wav"));
    selectRows(table(other), { 1 });
    const std::unique_ptr<QMimeData> otherShow = dragSelected(other);
    ASSERT_NE(otherShow, nullptr);
    QMimeData forged;
    forged.setData(SoundtrackModel::RowMimeType, "another-process 0 0");
    const QMimeData *foreign[] = { &text, otherShow.get(), &forged };
    for (const QMimeData *data : foreign) {
        EXPECT_FALSE(model(document)->canDropMimeData(data, Qt::MoveAction, -1, -1,
                                                      view->model()->index(2, 0)));
        EXPECT_FALSE(model(document)->dropMimeData(data, Qt::MoveAction, -1, -1,
                                                   view->model()->index(2, 0)));
        dropAt(view, *data, onRow2);
    }
    // A marker of an earlier drag of this table is stale once another row is dragged.
    const std::unique_ptr<QMimeData> earlier = dragSelected(document);
    ASSERT_NE(earlier, nullptr);
    selectRows(view, { 1 });
    ASSERT_NE(dragSelected(document), nullptr);
    dropAt(view, *earlier, onRow2);

    EXPECT_EQ(names(document), QStringList({ "W.wav", "X.wav", "Y.wav" }));
    EXPECT_EQ(names(other), QStringList({ "W.wav", "X.wav", "Y.wav" }));
    EXPECT_TRUE(fakes.log.outLines.isEmpty());
}

TEST_F(PanelsTest, AClosedPanelLeavesNoTableBehind)
{
    MyDocument *document = openDocument();
    addSounds(document, { "W.wav", "X.wav" });
    SoundHandler *handler = document->getSoundHandler();
    document->showSoundPanel();
    const QPointer<SoundPanel> older = document->getSoundPanel();
    const QPointer<QTableView> olderView = older->tableView();
    document->showSoundPanel();
    EXPECT_EQ(olderView->model(), handler->model());
    EXPECT_EQ(model(document), handler->model());

    // The older panel's button acts on its own table.
    selectRows(olderView, { 1 });
    older->findChild<QPushButton *>(QStringLiteral("removeSoundButton"))->click();
    EXPECT_EQ(names(document), QStringList { "W.wav" });
    EXPECT_EQ(document->getSoundPanel(), older);
    EXPECT_EQ(olderView->model()->rowCount(), 1);

    closeAndDelete(older);
    EXPECT_EQ(document->getSoundPanel(), nullptr);
    addSounds(document, { "Y.wav" });
    document->removeSong();
    EXPECT_EQ(names(document), QStringList({ "W.wav", "Y.wav" }));

    // A panel still open when its show closes goes with it.
    document->showSoundPanel();
    const QPointer<SoundPanel> last = document->getSoundPanel();
    controller.closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(last);
}
