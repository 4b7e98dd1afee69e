// SPDX-License-Identifier: GPL-3.0-or-later
// The launch's paths and what --help says happens to them.

#include "app/commandline.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using lanternreel::CommandLine;

// Paths that do not exist are kept: the import reports them as it reports any file that does
// not load, and a second launch hears of the failure.
TEST(CommandLine, KeepsEveryPathInOrderMadeAbsolute)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    {
        QFile file(folder.filePath(QStringLiteral("a.jpg")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    const QStringList kept = CommandLine::absolutePaths(
        { QStringLiteral("b.jpg"), QStringLiteral("gone.jpg"), folder.filePath("a.jpg"),
          QStringLiteral("."), QStringLiteral("/no/such/folder") });
    QDir::setCurrent(previous);

    const QDir here(folder.path());
    EXPECT_EQ(kept,
              QStringList({ here.absoluteFilePath(QStringLiteral("b.jpg")),
                            here.absoluteFilePath(QStringLiteral("gone.jpg")),
                            here.absoluteFilePath(QStringLiteral("a.jpg")), here.absolutePath(),
                            QStringLiteral("/no/such/folder") }));
}

// What --help says happens to the files given, with and without a program already running.
TEST(CommandLine, HelpSaysWhereTheFilesGo)
{
    QCommandLineParser parser;
    CommandLine::describe(parser);
    const QString help = parser.helpText().simplified();
    for (const char *said :
         { "Pictures and folders given are imported into one new show.",
           "When Lanternreel is already running, they are imported into its current show instead",
           "Show files open as shows of their own." })
        EXPECT_TRUE(help.contains(QLatin1String(said))) << said << "\n" << qPrintable(help);
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
    // Short options run together as Qt reads them; "-?" is no option of Qt's on Linux.
    EXPECT_TRUE(asks({ QStringLiteral("-vh") }));
    EXPECT_FALSE(asks({ QStringLiteral("-?") }));
}
