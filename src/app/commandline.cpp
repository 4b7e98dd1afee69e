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
        "their own.\n"
        "With --export-video or --export-slides, the show file given is exported without a "
        "window, and the program exits: with 0 when it is done, 1 when the command is "
        "mistaken, 2 when the export failed."));
    parser.addHelpOption();
    parser.addVersionOption();
    const auto tr
        = [](const char *text) { return QCoreApplication::translate("CommandLine", text); };
    parser.addOptions({
        { QStringLiteral("export-video"),
          tr("Writes the show as an MP4 video (H.264 and AAC) to FILE: each slide for the time "
             "between slides set in Preferences, on the full-screen colour, over the "
             "soundtrack."),
          QStringLiteral("FILE") },
        { QStringLiteral("size"),
          tr("With --export-video: the video's size in pixels, even numbers from 16 to 8192 "
             "(1920x1080 unless given; also 1280x720, 3840x2160)."),
          QStringLiteral("WIDTHxHEIGHT") },
        { QStringLiteral("until-music-ends"),
          tr("With --export-video: holds the last slide until the soundtrack ends, rather than "
             "cutting the soundtrack at the end of the last slide.") },
        { QStringLiteral("seconds"), tr("With --export-video: shows each slide for N seconds."),
          QStringLiteral("N") },
        { QStringLiteral("random"),
          tr("With --export-video: the slides in the show's random order.") },
        { QStringLiteral("export-slides"),
          tr("Writes each slide of the show into the existing FOLDER as \"001 - name.jpg\": "
             "JPEG pictures as they are stored, byte for byte, others as PNG."),
          QStringLiteral("FOLDER") },
        { QStringLiteral("replace"),
          tr("Replaces files already there; without it they are left "
             "alone and nothing is written.") },
        { QStringLiteral("skip-existing"),
          tr("With --export-slides: leaves the files already there and writes the others.") },
    });
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

bool CommandLine::asksForExport(const QStringList &arguments)
{
    static const QStringList options {
        QStringLiteral("export-video"), QStringLiteral("export-slides"),
        QStringLiteral("size"),         QStringLiteral("until-music-ends"),
        QStringLiteral("seconds"),      QStringLiteral("random"),
        QStringLiteral("replace"),      QStringLiteral("skip-existing")
    };
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--"))
            return false;
        if (!arguments[i].startsWith(QLatin1String("--")))
            continue;
        // "--size 1280x720" and "--size=1280x720" alike.
        if (options.contains(arguments[i].mid(2).section(QLatin1Char('='), 0, 0)))
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
