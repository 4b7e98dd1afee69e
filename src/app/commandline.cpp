#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace lanternreel {

void CommandLine::describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Builds a slideshow from pictures, gives it a soundtrack and presents it.\n"
        "Pictures and folders given are imported into one new show; show files open as "
        "shows of their own. When the program is already running, it receives them."));
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

QStringList CommandLine::existingPaths(const QStringList &given, QTextStream &errors)
{
    QStringList paths;
    for (const QString &path : given) {
        const QFileInfo info(path);
        if (!info.exists()) {
            errors << QCoreApplication::translate("CommandLine",
                                                  "lanternreel: %1: no such file or folder")
                          .arg(QDir::toNativeSeparators(path))
                   << Qt::endl;
            continue;
        }
        paths.append(info.absoluteFilePath());
    }
    return paths;
}

} // namespace lanternreel
