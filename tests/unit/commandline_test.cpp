// The launch's paths: which are kept, how they travel, and what is said about the others.

#include "app/commandline.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

using lanternreel::CommandLine;

TEST(CommandLine, KeepsExistingPathsInOrderMadeAbsoluteAndNamesEachMissingOne)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const char *name : { "b.jpg", "a.jpg" }) {
        QFile file(folder.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));

    QString said;
    QTextStream errors(&said);
    const QStringList kept = CommandLine::existingPaths(
        { QStringLiteral("b.jpg"), QStringLiteral("gone.jpg"), folder.filePath("a.jpg"),
          QStringLiteral("."), QStringLiteral("/no/such/folder") },
        errors);
    QDir::setCurrent(previous);

    EXPECT_EQ(kept,
              QStringList({ QDir(folder.path()).absoluteFilePath(QStringLiteral("b.jpg")),
                            QDir(folder.path()).absoluteFilePath(QStringLiteral("a.jpg")),
                            QDir(folder.path()).absolutePath() }));
    EXPECT_EQ(said,
              QStringLiteral("lanternreel: gone.jpg: no such file or folder\n"
                             "lanternreel: /no/such/folder: no such file or folder\n"));
}

TEST(CommandLine, HelpAndVersionNeedNoDisplayUnlessTheyFollowTheEndOfOptions)
{
    const auto asks = [](QStringList arguments) {
        arguments.prepend(QStringLiteral("lanternreel"));
        return CommandLine::asksForInformationOnly(arguments);
    };
    EXPECT_TRUE(asks({ QStringLiteral("--version") }));
    EXPECT_TRUE(asks({ QStringLiteral("a.jpg"), QStringLiteral("-h") }));
    EXPECT_FALSE(asks({}));
    EXPECT_FALSE(asks({ QStringLiteral("a.jpg") }));
    // The program's own name is not an argument, and after "--" everything is a path.
    EXPECT_FALSE(CommandLine::asksForInformationOnly({ QStringLiteral("--help") }));
    EXPECT_FALSE(asks({ QStringLiteral("--"), QStringLiteral("--help") }));
}
