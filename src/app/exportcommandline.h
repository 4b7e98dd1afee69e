#pragma once

class QCommandLineParser;

namespace lanternreel {

// `lanternreel --export-video OUT.mp4 SHOW.lrshow` and `--export-slides FOLDER SHOW.lrshow`:
// the show file read and exported on the calling thread, without a window or a display, and
// without asking a running instance of the program. Errors go to standard error.
class ExportCommandLine
{
public:
    enum ExitCode { Done = 0, Usage = 1, Failed = 2 };

    // `parser` has processed the arguments (CommandLine::describe). Interrupted (SIGINT,
    // SIGTERM, SIGHUP) while it writes, the export stops, leaves no half file, and the program
    // then ends by that signal, as the shell expects.
    static int run(const QCommandLineParser &parser);
};

} // namespace lanternreel
