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
    static const QStringList information { QStringLiteral("-h"),     QStringLiteral("-?"),
                                           QStringLiteral("--help"), QStringLiteral("--help-all"),
                                           QStringLiteral("-v"),     QStringLiteral("--version") };
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--"))
            return false;
        if (information.contains(arguments[i]))
            return true;
    }
    return false;
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
