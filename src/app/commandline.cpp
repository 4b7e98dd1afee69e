// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

namespace lanternreel {

void CommandLine::describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Builds a slideshow from pictures, gives it a soundtrack and presents it.\n"
        "Pictures and folders given are imported into one new show. When Lanternreel is "
        "already running, they are imported into its current show instead (the one whose "
        "window was last active), and no new show is made. Show files open as shows of "
        "their own."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("paths"),
        QCoreApplication::translate("CommandLine", "Pictures, folders and show files to open."),
        QStringLiteral("[PATH...]"));
}

bool CommandLine::asksForInformationOnly(const QStringList &arguments)
{
    // Read as Qt reads them later ("-vh" is both, "--" ends the options), but without an
    // application, which would need the display. Qt's own options (-platform ...) are unknown
    // here: such a launch asks for more than information, and the application reads them.
    QCommandLineParser parser;
    describe(parser);
    if (!parser.parse(arguments))
        return false;
    return parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))
        || parser.isSet(QStringLiteral("version"));
}

QStringList CommandLine::absolutePaths(const QStringList &given)
{
    QStringList paths;
    paths.reserve(given.size());
    for (const QString &path : given)
        paths.append(QFileInfo(path).absoluteFilePath());
    return paths;
}

} // namespace lanternreel
