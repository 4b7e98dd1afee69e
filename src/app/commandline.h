// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QCommandLineParser;

namespace lanternreel {

// The launch's own options and the paths it was given.
class CommandLine
{
public:
    // Sets up `parser` with --help, --version, the export options and the paths.
    static void describe(QCommandLineParser &parser);
    // Whether the arguments ask only for help or the version, which need no display: the
    // program can answer them before it connects to one. Read as QCommandLineParser reads them.
    static bool asksForInformationOnly(const QStringList &arguments);
    // Whether the arguments give an export option: the program then exports without a window
    // (see ExportCommandLine) and never reaches a running instance. Arguments after "--" are
    // paths.
    static bool asksForExport(const QStringList &arguments);
    // Every path of `given` made absolute (a program already running has a working folder of
    // its own), in the order given. Paths that do not exist are kept: the import reports them
    // as files that did not load, like any other.
    static QStringList absolutePaths(const QStringList &given);
};

} // namespace lanternreel
