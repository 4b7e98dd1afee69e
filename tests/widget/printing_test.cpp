// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainmenu.h"
#include "document/mydocument.h"
#include "fakes.h"
#include "platform/qt/documentcontroller.h"
#include "slides/imagehandler.h"
#include "testslides.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace lanternreel;
using namespace lanternreel::testing;

namespace {

// Where something other than white paper shows on a rendered page.
QRect inkBounds(const QImage &page)
{
    int left = page.width(), top = page.height(), right = -1, bottom = -1;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (c.red() > 240 && c.green() > 240 && c.blue() > 240)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

class PrintingTest : public ::testing::Test
{
protected:
    PrintingTest()
        : controller([this] { return std::make_unique<MyDocument>(fakes.services()); })
    {
        pdfPath = folder.filePath(QStringLiteral("slide.pdf"));
    }
    ~PrintingTest() override
    {
        controller.closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    MyDocument *openDocument()
    {
        auto *document = static_cast<MyDocument *>(controller.openUntitledDocumentAndDisplay());
        QPrinter &printer = document->printInfo();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        return document;
    }

    // Renders every page of the PDF at 72 dpi, so that one pixel is one point.
    QList<QImage> pages() const
    {
        QProcess pdftoppm;
        pdftoppm.start(QStringLiteral("pdftoppm"),
                       { QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("72"),
                         pdfPath, folder.filePath(QStringLiteral("page")) });
        EXPECT_TRUE(pdftoppm.waitForStarted()) << "pdftoppm is missing: install poppler-utils";
        EXPECT_TRUE(pdftoppm.waitForFinished(30000));
        EXPECT_EQ(pdftoppm.exitCode(), 0) << pdftoppm.readAllStandardError().toStdString();
        QList<QImage> images;
        const QDir dir(folder.path());
        for (const QString &name :
             dir.entryList({ QStringLiteral("page*.png") }, QDir::Files, QDir::Name))
            images.append(QImage(dir.filePath(name)));
        return images;
    }

    // Answers the next modal panel that opens with `answer`.
    static void answerNextPanel(std::function<void(QWidget *)> answer)
    {
        auto *timer = new QTimer(qApp);
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, timer, [timer, answer] {
            if (QWidget *panel = QApplication::activeModalWidget()) {
                timer->stop();
                timer->deleteLater();
                answer(panel);
            }
        });
        timer->start();
    }

    FakeServices fakes;
    DocumentController controller;
    QTemporaryDir folder;
    QString pdfPath;
};

class PrintResolutionTest : public PrintingTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(PrintResolutionTest, TheSlidePrintsAtItsOwnSizeAtTheTopAndLeftMargins)
{
    MyDocument *document = openDocument();
    QPrinter &printer = document->printInfo();
    if (GetParam() > 0)
        printer.setResolution(GetParam());
    // Margins a page setup could have left: top and left are replaced, right and bottom kept.
    printer.setPageMargins(QMarginsF(90, 120, 20, 30), QPageLayout::Point);
    document->getImageHandler()->appendSlide(
        makeSlide(QStringLiteral("wide.png"), QSize(200, 100), Qt::red));

    document->printShowingPrintPanel(false);

    const QList<QImage> printed = pages();
    ASSERT_EQ(printed.size(), 1);
    const QRect ink = inkBounds(printed.front());
    EXPECT_NEAR(ink.left(), 36, 1);
    EXPECT_NEAR(ink.top(), 36, 1);
    EXPECT_NEAR(ink.width(), 200, 1);
    EXPECT_NEAR(ink.height(), 100, 1);
    const QColor middle = printed.front().pixelColor(ink.center());
    EXPECT_GT(middle.red(), 200);
    EXPECT_LT(middle.green(), 60);

    const QMarginsF after = printer.pageLayout().margins(QPageLayout::Point);
    EXPECT_NEAR(after.top(), 36.0, 0.01);
    EXPECT_NEAR(after.left(), 36.0, 0.01);
    EXPECT_NEAR(after.right(), 20.0, 0.01);
    EXPECT_NEAR(after.bottom(), 30.0, 0.01);
    EXPECT_EQ(fakes.alerts.beeps, 0);
}

// 0 leaves the printer's own (high) resolution.
INSTANTIATE_TEST_SUITE_P(AnyPrinterResolution, PrintResolutionTest, ::testing::Values(0, 96, 300));

// A slide larger than the printable area is scaled down to fit it, proportions kept, from the
// same top-left margins; a smaller one prints at its own size. The slide's bottom-right corner
// is marked, so that a slide cut by the page's edges cannot pass for one that fits.
TEST_F(PrintingTest, ASlideLargerThanThePrintableAreaIsScaledDownToFitIt)
{
    const QSize sizes[] = { { 200, 100 }, { 4000, 3000 }, { 600, 2400 }, { 3000, 200 } };
    for (const QSize &size : sizes) {
        SCOPED_TRACE(::testing::Message() << size.width() << " x " << size.height());
        MyDocument *document = openDocument();
        QPrinter &printer = document->printInfo();
        printer.setPageMargins(QMarginsF(90, 120, 20, 30), QPageLayout::Point);
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QPainter(&picture).fillRect(
            QRect(QPoint(size.width() * 9 / 10, size.height() * 9 / 10), size), Qt::blue);
        document->getImageHandler()->appendSlide(
            Slide::fromImage(QStringLiteral("photo.png"), picture));

        document->printShowingPrintPanel(false);

        const QSizeF printable = printer.pageLayout().paintRect(QPageLayout::Point).size();
        QSizeF expected(size);
        if (expected.width() > printable.width() || expected.height() > printable.height())
            expected.scale(printable, Qt::KeepAspectRatio);
        const QList<QImage> printed = pages();
        ASSERT_EQ(printed.size(), 1);
        const QRect ink = inkBounds(printed.front());
        EXPECT_NEAR(ink.left(), 36, 1);
        EXPECT_NEAR(ink.top(), 36, 1);
        EXPECT_NEAR(ink.width(), expected.width(), 1.5);
        EXPECT_NEAR(ink.height(), expected.height(), 1.5);
        const QColor corner = printed.front().pixelColor(ink.bottomRight() - QPoint(1, 1));
        EXPECT_GT(corner.blue(), 200);
        EXPECT_LT(corner.red(), 60);

        controller.closeAll();
        QFile::remove(pdfPath);
        for (const QString &name : QDir(folder.path()).entryList({ QStringLiteral("page*") }))
            QFile::remove(folder.filePath(name));
    }
}

TEST_F(PrintingTest, ThePrintedSlideIsTheCurrentOne)
{
    MyDocument *document = openDocument();
    document->getImageHandler()->appendSlide(
        makeSlide(QStringLiteral("a.png"), QSize(50, 40), Qt::red));
    document->getImageHandler()->appendSlide(
        makeSlide(QStringLiteral("b.png"), QSize(120, 80), Qt::blue));
    document->getImageHandler()->setIndex(1);

    document->printShowingPrintPanel(false);

    const QList<QImage> printed = pages();
    ASSERT_EQ(printed.size(), 1);
    const QRect ink = inkBounds(printed.front());
    EXPECT_NEAR(ink.width(), 120, 1);
    EXPECT_NEAR(ink.height(), 80, 1);
    EXPECT_GT(printed.front().pixelColor(ink.center()).blue(), 200);
}

TEST_F(PrintingTest, AnEmptyShowIsRefusedWithABeepAndPrintsNothing)
{
    MyDocument *document = openDocument();
    document->printShowingPrintPanel(false);
    EXPECT_EQ(fakes.alerts.beeps, 1);
    EXPECT_FALSE(QFile::exists(pdfPath));
}

TEST_F(PrintingTest, ThePrintableViewIsExactlyAsLargeAsTheSlide)
{
    MyDocument *document = openDocument();
    EXPECT_EQ(document->printableView()->size(), QSize(0, 0));
    document->getImageHandler()->appendSlide(
        makeSlide(QStringLiteral("tall.png"), QSize(30, 70), Qt::green));
    EXPECT_EQ(document->printableView()->size(), QSize(30, 70));
}

TEST_F(PrintingTest, ThePrintPanelWorksOnTheDocumentsOwnSettings)
{
    MyDocument *document = openDocument();
    document->getImageHandler()->appendSlide(
        makeSlide(QStringLiteral("a.png"), QSize(60, 60), Qt::red));

    QPrinter *seen = nullptr;
    answerNextPanel([&](QWidget *panel) {
        auto *dialog = qobject_cast<QPrintDialog *>(panel);
        seen = dialog ? dialog->printer() : nullptr;
        static_cast<QDialog *>(panel)->reject();
    });
    document->printDocument();

    EXPECT_EQ(seen, &document->printInfo());
    EXPECT_FALSE(QFile::exists(pdfPath)) << "a cancelled print panel prints nothing";
}

TEST_F(PrintingTest, PageSetupAfterAPrintShowsTheMarginsThePrintSet)
{
    MyDocument *document = openDocument();
    document->printInfo().setPageMargins(QMarginsF(100, 100, 100, 100), QPageLayout::Point);
    document->getImageHandler()->appendSlide(
        makeSlide(QStringLiteral("a.png"), QSize(60, 60), Qt::red));
    document->printShowingPrintPanel(false);

    QPrinter *seen = nullptr;
    QMarginsF shown;
    answerNextPanel([&](QWidget *panel) {
        if (auto *dialog = qobject_cast<QPageSetupDialog *>(panel)) {
            seen = dialog->printer();
            shown = seen->pageLayout().margins(QPageLayout::Point);
        }
        static_cast<QDialog *>(panel)->reject();
    });
    document->runPageLayout();

    EXPECT_EQ(seen, &document->printInfo());
    EXPECT_NEAR(shown.top(), 36.0, 0.01);
    EXPECT_NEAR(shown.left(), 36.0, 0.01);
    EXPECT_NEAR(shown.right(), 100.0, 0.01);
}

TEST_F(PrintingTest, FileMenuCarriesPageSetupAndPrintBeforeQuit)
{
    MainMenu menu(controller);
    QAction *pageSetup = menu.itemWithTitle(QStringLiteral("File"), QStringLiteral("Page Setup…"));
    QAction *print = menu.itemWithTitle(QStringLiteral("File"), QStringLiteral("Print…"));
    ASSERT_NE(pageSetup, nullptr);
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(pageSetup->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    EXPECT_EQ(print->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
}

} // namespace
