// SPDX-License-Identifier: GPL-3.0-or-later
// Rows of the soundtrack table dragged with the mouse on a real X server. Qt's offscreen platform
// ends every drag the moment it starts, so only here does a drop come from a drag the table
// itself started, as it does for the user.

#include "document/mydocument.h"
#include "fakes.h"
#include "panels/soundpanel.h"
#include "platform/qt/documentcontroller.h"
#include "soundtrack/soundhandler.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

// Failure messages show the text, not its bytes.
void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

using namespace lanternreel;
using namespace lanternreel::testing;

namespace {

class SoundTableDragTest : public ::testing::Test
{
protected:
    ~SoundTableDragTest() override
    {
        controller.setPanels(nullptr);
        controller.closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Presses on `from`, moves far enough to start the table's own drag, and lets go over `to`.
    // The drag runs its own event loop until the button is released, so the moves that lead to
    // the drop and the release itself come from timers started before it.
    static void dragWithTheMouse(QTableView *view, QPoint from, QPoint to)
    {
        QWidget *viewport = view->viewport();
        auto send = [viewport](QEvent::Type type, QPoint at, Qt::MouseButton button,
                               Qt::MouseButtons held) {
            QMouseEvent event(type, at, viewport->mapToGlobal(at), button, held, Qt::NoModifier);
            QApplication::sendEvent(viewport, &event);
        };
        QTimer::singleShot(100, viewport, [=] {
            send(QEvent::MouseMove, to + QPoint(1, 1), Qt::NoButton, Qt::LeftButton);
        });
        QTimer::singleShot(200, viewport,
                           [=] { send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton); });
        const auto released = std::make_shared<bool>(false);
        QTimer::singleShot(300, viewport, [=] {
            send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
            *released = true;
        });
        send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, from + QPoint(2, 0), Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseMove, from + QPoint(3 * QApplication::startDragDistance(), 0),
             Qt::NoButton, Qt::LeftButton);
        // A drag that never started, or that the table refused, leaves the timers to fire here.
        EXPECT_TRUE(QTest::qWaitFor([released] { return *released; }, 10000));
        // The drag hands the release on to the table once its own loop is over.
        QTest::qWait(200);
    }

    FakeServices fakes;
    DocumentController controller { [this] {
        return std::make_unique<MyDocument>(fakes.services());
    } };
};

} // namespace

// Dragging a row onto another swaps them; dragging it onto itself is a drop like any other
// ("here", the row shown again) that changes nothing. The dragged sound stays selected, and only
// a real change marks the show edited.
TEST_F(SoundTableDragTest, ARowDroppedWithTheMouseIsTakenEvenOntoItself)
{
    auto *document = static_cast<MyDocument *>(controller.openUntitledDocumentAndDisplay());
    QStringList order { "W.wav", "X.wav", "Y.wav", "Z.wav" };
    QStringList paths;
    for (const QString &name : order) {
        paths.append(QStringLiteral("/music/") + name);
        fakes.mediaLength.set(paths.back(), 5);
    }
    fakes.openPanels.soundAnswers.push_back(paths);
    document->addSong();
    document->showSoundPanel();
    document->getSoundPanel()->resize(420, 400);
    QTableView *view = document->getSoundPanel()->tableView();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));

    struct Case
    {
        const char *what;
        int row;
        int ontoRow; // -1: the empty space below the last row
        int column;
    };
    const Case cases[] = {
        { "onto another row", 0, 2, 1 },
        { "onto itself", 1, 1, 0 },
        { "onto itself, in its other column", 3, 3, 1 },
        { "below the last row", 1, -1, 0 },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        fakes.log.outLines.clear();
        document->setDocumentEdited(false);
        QSignalSpy moves(view->model(), &QAbstractItemModel::rowsMoved);
        QSignalSpy shownAgain(view->model(), &QAbstractItemModel::dataChanged);
        const QRect source = view->visualRect(view->model()->index(c.row, 0));
        const QRect last = view->visualRect(view->model()->index(order.size() - 1, 0));
        const QPoint target = c.ontoRow >= 0
            ? view->visualRect(view->model()->index(c.ontoRow, c.column)).center()
            : QPoint(last.center().x(), last.bottom() + 20);
        ASSERT_LT(target.y(), view->viewport()->height());

        dragWithTheMouse(view, source.center(), target);

        const int swapped = c.ontoRow >= 0 ? c.ontoRow : order.size() - 1;
        order.swapItemsAt(c.row, swapped);
        EXPECT_EQ(fakes.log.outLines, QStringList { QStringLiteral("here") });
        EXPECT_GE(moves.count() + shownAgain.count(), 1);
        const auto &names = document->getSoundHandler()->returnSoundNames();
        EXPECT_EQ(QStringList(names.begin(), names.end()), order);
        // The dragged sound stays selected where it went.
        const QModelIndexList selected = view->selectionModel()->selectedRows();
        ASSERT_EQ(selected.size(), 1);
        EXPECT_EQ(selected.front().row(), swapped);
        EXPECT_EQ(document->isDocumentEdited(), c.row != swapped);
    }
}
