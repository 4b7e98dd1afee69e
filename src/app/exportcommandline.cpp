#include "exportcommandline.h"

#include "document/model.h"
#include "document/preferencekeys.h"
#include "document/showarchive.h"
#include "export/slidesexport.h"
#include "export/videoexport.h"
#include "platform/alerts.h"
#include "platform/log.h"
#include "platform/qt/qtpreferencestore.h"
#include "platform/sounds.h"
#include "slides/imagehandler.h"
#include "soundtrack/soundhandler.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace lanternreel {

namespace {

void printError(const QString &text)
{
    const QByteArray bytes
        = (QStringLiteral("lanternreel: ") + text + QLatin1Char('\n')).toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

// The show is only read: the document's own lines ("Loaded.") stay off standard output, which
// a script may be reading, and nothing is asked of anyone.
class QuietLog : public Log
{
public:
    void log(const QString &line) override { printError(line); }
    void out(const QString &) override { }
};

class QuietAlerts : public Alerts
{
public:
    void beep() override { }
    using Alerts::alert;
    void alert(const QString &messageText, const QString &informativeText,
               const QString &details) override
    {
        printError(messageText + QLatin1Char(' ') + informativeText
                   + (details.isEmpty() ? QString() : QLatin1Char(' ') + details));
    }
    // Nobody is there to locate anything: the alert is told, and nothing is offered.
    bool alertOffering(const QString &messageText, const QString &informativeText,
                       const QString &) override
    {
        alert(messageText, informativeText);
        return false;
    }
};

// The work of the export running now, stopped by a signal.
WorkControl *interruptible = nullptr;
volatile std::sig_atomic_t interruption = 0;

extern "C" void interrupt(int signal)
{
    interruption = signal;
    if (interruptible)
        interruptible->cancel(); // a lock-free atomic store
}

// Lets SIGINT, SIGTERM and SIGHUP stop `control`'s work for as long as it lives; a second one
// ends the program at once.
class Interruptible
{
public:
    explicit Interruptible(WorkControl &control)
    {
        interruptible = &control;
        struct sigaction action = {};
        action.sa_handler = interrupt;
        action.sa_flags = SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        for (int signal : Signals)
            sigaction(signal, &action, nullptr);
    }
    ~Interruptible()
    {
        for (int signal : Signals)
            std::signal(signal, SIG_DFL);
        interruptible = nullptr;
    }
    Interruptible(const Interruptible &) = delete;
    Interruptible &operator=(const Interruptible &) = delete;

    // Once the work has stopped and cleaned up: the program ends by the signal it was sent.
    static void endByTheSignal()
    {
        if (interruption != 0)
            std::raise(interruption);
    }

private:
    static constexpr int Signals[] = { SIGINT, SIGTERM, SIGHUP };
};

// "Exported 12 of 90 seconds of video", kept on one line of a terminal.
class ProgressLine
{
public:
    explicit ProgressLine(QString format)
        : m_format(std::move(format))
        , m_shown(::isatty(STDERR_FILENO) == 1)
    { }
    ~ProgressLine()
    {
        if (m_shown && m_last >= 0)
            std::fputs("\n", stderr);
    }
    ProgressLine(const ProgressLine &) = delete;
    ProgressLine &operator=(const ProgressLine &) = delete;

    void show(int done, int total)
    {
        if (!m_shown || done == m_last)
            return;
        m_last = done;
        const QByteArray line
            = QStringLiteral("\r%1").arg(m_format.arg(done).arg(total)).toLocal8Bit();
        std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
        std::fflush(stderr);
    }

private:
    QString m_format;
    bool m_shown;
    int m_last = -1;
};

QString quoted(const QString &path)
{
    return QStringLiteral("“%1”").arg(QDir::toNativeSeparators(path));
}

bool isTaken(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

struct Show
{
    std::unique_ptr<Model> model;
    QString error;
};

// Read and checked whole, every picture decoded once, as opening it in a window does.
Show readShowFile(const QString &path)
{
    Show show;
    const QString cannot = QStringLiteral("The show %1 could not be opened. ").arg(quoted(path));
    const QFileInfo info(path);
    if (!info.exists()) {
        show.error = cannot + QStringLiteral("There is no such file.");
        return show;
    }
    // A FIFO would wait for a writer for ever.
    if (!info.isFile()) {
        show.error = cannot + QStringLiteral("It is not a regular file.");
        return show;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        show.error = cannot + file.errorString() + QLatin1Char('.');
        return show;
    }
    static QuietLog log;
    static QuietAlerts alerts;
    Services services;
    services.log = &log;
    services.alerts = &alerts;
    QString why;
    show.model = readShow(file, services, &why);
    if (show.model && !show.model->getImageHandler()->decompressImages()) {
        show.model.reset();
        why = QStringLiteral("It is damaged: a picture in it does not decode.");
    }
    if (!show.model)
        show.error = cannot + why;
    return show;
}

std::optional<QSize> parseSize(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})[xX×](\\d{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
    const auto fits = [](int pixels) { return pixels >= 16 && pixels <= 8192 && pixels % 2 == 0; };
    if (!fits(size.width()) || !fits(size.height()))
        return std::nullopt;
    return size;
}

int exportVideo(const QCommandLineParser &parser, const QString &showPath, ImageHandler &images,
                const SoundHandler &sounds)
{
    const QString out = QFileInfo(parser.value(QStringLiteral("export-video"))).absoluteFilePath();
    if (QFileInfo(out).isDir()) {
        printError(
            QStringLiteral("%1 is a folder; give the video file to write.").arg(quoted(out)));
        return ExportCommandLine::Failed;
    }
    if (QFileInfo(out).canonicalFilePath() == QFileInfo(showPath).canonicalFilePath()) {
        printError(QStringLiteral("The video would replace the show %1 itself.").arg(quoted(out)));
        return ExportCommandLine::Failed;
    }
    if (isTaken(out) && !parser.isSet(QStringLiteral("replace"))) {
        printError(
            QStringLiteral("%1 is already there; give --replace to replace it.").arg(quoted(out)));
        return ExportCommandLine::Failed;
    }

    QtPreferenceStore preferences;
    registerPreferenceDefaults(preferences);
    VideoExportSettings settings;
    settings.path = out;
    if (parser.isSet(QStringLiteral("size")))
        settings.frameSize = *parseSize(parser.value(QStringLiteral("size")));
    settings.secondsPerSlide = parser.isSet(QStringLiteral("seconds"))
        ? parser.value(QStringLiteral("seconds")).toInt()
        : readTimerLength(preferences);
    settings.background = readFullscreenColor(preferences);
    if (parser.isSet(QStringLiteral("random")) && images.randomSlides().empty())
        images.setRandom(true);
    std::vector<SlidePtr> slides
        = parser.isSet(QStringLiteral("random")) ? images.randomSlides() : images.slides();
    settings.slideCount = int(slides.size());
    settings.picture = [slides = std::move(slides)](int index, QSize fitInside) {
        return slidePicture(*slides[size_t(index)], fitInside);
    };
    for (const auto &sound : sounds.returnSounds())
        settings.soundPaths.append(sound->path());
    if (parser.isSet(QStringLiteral("until-music-ends")))
        settings.ending = VideoExportSettings::Ending::SoundtrackEnd;

    VideoExportResult result;
    {
        ProgressLine line(QStringLiteral("Exported %1 of %2 seconds of video"));
        WorkControl control([&line](int done, int total) {
            line.show(done / VideoFramesPerSecond,
                      (total + VideoFramesPerSecond - 1) / VideoFramesPerSecond);
        });
        Interruptible interruptible(control);
        result = writeVideo(settings, control);
    }
    switch (result.outcome) {
    case VideoExportResult::Outcome::Cancelled:
        printError(QStringLiteral("Interrupted; no video was written."));
        Interruptible::endByTheSignal();
        return ExportCommandLine::Failed;
    case VideoExportResult::Outcome::Failed:
        printError(result.error);
        return ExportCommandLine::Failed;
    case VideoExportResult::Outcome::Written:
        break;
    }
    if (!result.skippedSounds.isEmpty())
        printError(QStringLiteral("The video was made without these sound files, which are "
                                  "missing or cannot be played:\n  %1")
                       .arg(result.skippedSounds.join(QStringLiteral("\n  "))));
    return ExportCommandLine::Done;
}

int exportSlides(const QCommandLineParser &parser, const ImageHandler &images)
{
    const QString folder
        = QFileInfo(parser.value(QStringLiteral("export-slides"))).absoluteFilePath();
    const ExistingFiles existing = parser.isSet(QStringLiteral("replace")) ? ExistingFiles::Replace
        : parser.isSet(QStringLiteral("skip-existing"))                    ? ExistingFiles::Skip
                                                                           : ExistingFiles::Ask;
    SlidesExportResult result;
    {
        ProgressLine line(QStringLiteral("Exported %1 of %2 slides"));
        WorkControl control([&line](int done, int total) { line.show(done, total); });
        Interruptible interruptible(control);
        result = writeSlides(images.slides(), folder, existing, control);
    }
    switch (result.outcome) {
    case SlidesExportResult::Outcome::Conflicts: {
        constexpr int Named = 5;
        QStringList named = result.existing.mid(0, Named);
        if (result.existing.size() > Named)
            named.append(QStringLiteral("…"));
        printError(QStringLiteral("%1 of the slides' files are already in %2 (%3); nothing was "
                                  "written. Give --replace to replace them, or --skip-existing "
                                  "to keep them and write the others.")
                       .arg(result.existing.size())
                       .arg(quoted(folder), named.join(QStringLiteral(", "))));
        return ExportCommandLine::Failed;
    }
    case SlidesExportResult::Outcome::Cancelled:
        printError(QStringLiteral("Interrupted after %1 slides.").arg(result.written));
        Interruptible::endByTheSignal();
        return ExportCommandLine::Failed;
    case SlidesExportResult::Outcome::Failed:
        printError(result.error);
        return ExportCommandLine::Failed;
    case SlidesExportResult::Outcome::Written:
        break;
    }
    if (existing != ExistingFiles::Skip && !result.existing.isEmpty())
        printError(QStringLiteral("These files appeared in the folder during the export and "
                                  "were left as they were:\n  %1")
                       .arg(result.existing.join(QStringLiteral("\n  "))));
    if (!result.unreadable.isEmpty()) {
        printError(QStringLiteral("These slides could not be read, and were not exported:\n  %1")
                       .arg(result.unreadable.join(QStringLiteral("\n  "))));
        return ExportCommandLine::Failed;
    }
    return ExportCommandLine::Done;
}

} // namespace

int ExportCommandLine::run(const QCommandLineParser &parser)
{
    const auto usage = [](const QString &text) {
        printError(text);
        printError(QStringLiteral("Try “lanternreel --help” for more information."));
        return Usage;
    };
    const bool video = parser.isSet(QStringLiteral("export-video"));
    const bool slides = parser.isSet(QStringLiteral("export-slides"));
    if (video && slides)
        return usage(QStringLiteral("Give --export-video or --export-slides, not both."));
    for (const char *option : { "size", "until-music-ends", "seconds", "random" }) {
        if (!video && parser.isSet(QLatin1String(option)))
            return usage(
                QStringLiteral("--%1 goes with --export-video.").arg(QLatin1String(option)));
    }
    if (!slides && parser.isSet(QStringLiteral("skip-existing")))
        return usage(QStringLiteral("--skip-existing goes with --export-slides."));
    if (!video && !slides)
        return usage(QStringLiteral("--replace goes with --export-video or --export-slides."));
    if (parser.isSet(QStringLiteral("replace")) && parser.isSet(QStringLiteral("skip-existing")))
        return usage(QStringLiteral("Give --replace or --skip-existing, not both."));
    const QString option = video ? QStringLiteral("export-video") : QStringLiteral("export-slides");
    if (parser.value(option).isEmpty())
        return usage(QStringLiteral("--%1 needs the %2 to write to.")
                         .arg(option, video ? QStringLiteral("file") : QStringLiteral("folder")));
    if (parser.isSet(QStringLiteral("size")) && !parseSize(parser.value(QStringLiteral("size"))))
        return usage(QStringLiteral("--size takes WIDTHxHEIGHT in even numbers of pixels from 16 "
                                    "to 8192, such as 1280x720; not “%1”.")
                         .arg(parser.value(QStringLiteral("size"))));
    if (parser.isSet(QStringLiteral("seconds"))) {
        bool number = false;
        const int seconds = parser.value(QStringLiteral("seconds")).toInt(&number);
        if (!number || seconds <= 0)
            return usage(QStringLiteral("--seconds takes a whole number of seconds from 1 on; "
                                        "not “%1”.")
                             .arg(parser.value(QStringLiteral("seconds"))));
    }
    const QStringList shows = parser.positionalArguments();
    if (shows.size() != 1)
        return usage(
            QStringLiteral("Give one show file to export, as in “lanternreel "
                           "--%1 %2 SHOW.lrshow”.")
                .arg(option, video ? QStringLiteral("OUT.mp4") : QStringLiteral("FOLDER")));

    const QString showPath = QFileInfo(shows.first()).absoluteFilePath();
    Show show = readShowFile(showPath);
    if (!show.model) {
        printError(show.error);
        return Failed;
    }
    ImageHandler &images = *show.model->getImageHandler();
    if (images.numImages() == 0) {
        printError(QStringLiteral("The show %1 has no slides to export.").arg(quoted(showPath)));
        return Failed;
    }
    return video ? exportVideo(parser, showPath, images, *show.model->getSoundHandler())
                 : exportSlides(parser, images);
}

} // namespace lanternreel
