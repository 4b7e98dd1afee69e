#include "document/mydocument.h"
#include "fakedocumentpanels.h"
#include "fakes.h"
#include "jobwaits.h"
#include "platform/qt/avmedialength.h"
#include "platform/qt/documentcontroller.h"
#include "platform/sounds.h"
#include "soundtrack/soundhandler.h"
#include "tonefiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace lanternreel;
using namespace lanternreel::testing;

// A show whose sound files were moved: "Locate…" in the alert that names them, a folder, and
// those found there again by name, beneath it too, play again with their lengths read anew.
TEST(RelinkTest, TwoOfThreeMissingSoundsAreFoundAgainInAFolderTree)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto at = [&](const char *name) {
        const QString path = dir.filePath(QLatin1String(name));
        QDir().mkpath(QFileInfo(path).path());
        return path;
    };
    FakeServices fakes;
    AvMediaLength lengths;
    fakes.bundle.mediaLength = &lengths;
    FakeDocumentPanels panels;
    DocumentController controller([&] { return std::make_unique<MyDocument>(fakes.services()); });
    controller.setPanels(&panels);

    // A soundtrack of 2, 3, 4 and 1 seconds; the first three files then go.
    const QStringList old { at("old/a.wav"), at("old/b.wav"), at("old/c.wav"), at("kept/d.wav") };
    const double oldSeconds[] = { 2, 3, 4, 1 };
    for (int i = 0; i < old.size(); ++i)
        ASSERT_TRUE(writeToneWav(old[i], oldSeconds[i], 440));
    auto *document = static_cast<MyDocument *>(controller.openUntitledDocumentAndDisplay());
    fakes.openPanels.soundAnswers.push_back(old);
    document->addSong();
    ASSERT_EQ(document->getSoundHandler()->returnTotalLength(), 10);
    panels.saveAsAnswer = at("show.lrshow");
    ASSERT_TRUE(saveAsNow(controller, document));
    controller.closeDocument(document);
    ASSERT_TRUE(QDir(dir.filePath(QStringLiteral("old"))).removeRecursively());

    // Found again, and longer now: a.wav at the top, beating another a.wav further down; b.wav
    // two levels down; a c.wav that is no sound; and a link back up the tree.
    ASSERT_TRUE(writeToneWav(at("found/a.wav"), 5, 440));
    ASSERT_TRUE(writeToneWav(at("found/x/y/b.wav"), 7, 440));
    ASSERT_TRUE(writeToneWav(at("found/x/y/a.wav"), 9, 440));
    QFile text(at("found/x/c.wav"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly) && text.write("not a sound\n") > 0);
    text.close();
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("found")), at("found/x/loop")));

    fakes.alerts.otherButtonAnswers = { true, false }; // Locate…, then OK
    fakes.openPanels.folderAnswers = { dir.filePath(QStringLiteral("found")) };
    document = openNow(controller, at("show.lrshow"));
    ASSERT_NE(document, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return fakes.alerts.alerts.size() == 2; }, JobDeadlineMs));

    struct Row
    {
        QString path;
        bool plays;
        const char *length;
    };
    const Row rows[] = {
        { at("found/a.wav"), true, "0:05" },
        { at("found/x/y/b.wav"), true, "0:07" },
        { old[2], false, "0:04" },
        { old[3], true, "0:01" },
    };
    const SoundHandler &soundtrack = *document->getSoundHandler();
    ASSERT_EQ(soundtrack.numSounds(), 4);
    for (size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(soundtrack.returnSounds()[i]->path(), rows[i].path);
        EXPECT_EQ(soundtrack.returnSounds()[i]->canPlay(), rows[i].plays);
        EXPECT_EQ(soundtrack.returnSoundLengths()[i], QLatin1String(rows[i].length));
    }
    EXPECT_EQ(soundtrack.returnTotalLength(), 5 + 7 + 4 + 1);
    EXPECT_TRUE(document->isDocumentEdited());
    // The one still missing is named again, and may be looked for elsewhere.
    const RecordedAlert &again = fakes.alerts.alerts[1];
    EXPECT_EQ(again.messageText, QStringLiteral("Missing Sound Files"));
    EXPECT_TRUE(again.informativeText.contains(old[2]));
    EXPECT_FALSE(again.informativeText.contains(old[0]) || again.informativeText.contains(old[1]));
    EXPECT_EQ(again.otherButton, QStringLiteral("Locate…"));

    controller.setPanels(nullptr);
    controller.closeAll();
}
