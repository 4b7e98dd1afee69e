#pragma once

#include <QStringList>

class QCommandLineParser;
class QTextStream;

namespace lanternreel {

// The launch's own options and the paths it was given.
class CommandLine
{
public:
    // The exit code of a launch none of whose paths exist, as of a request to open that failed.
    static constexpr int NothingToOpen = 2;

    // Sets up `parser` with --help, --version and the paths.
    static void describe(QCommandLineParser &parser);
    // Whether the arguments ask only for help or the version, which need no display: the
    // program can answer them before it connects to one. Arguments after "--" are paths.
    static bool asksForInformationOnly(const QStringList &arguments);
    // The paths of `given` that exist, made absolute (a program already running has a working
    // folder of its own), in the order given. Each one that does not exist is named on
    // `errors`, one line each.
    static QStringList existingPaths(const QStringList &given, QTextStream &errors);
};

} // namespace lanternreel
