// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/dragwatcher.h"
#include "app/exportcommandline.h"
#include "app/instancedoor.h"
#include "app/mainmenu.h"
#include "app/translations.h"
#include "document/mydocument.h"
#include "platform/qt/documentcontroller.h"
#include "platform/qt/documentpanels.h"
#include "platform/qt/qtservices.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <algorithm>

using namespace lanternreel;

int main(int argc, char *argv[])
{
    // Qt's FFmpeg media backend crashes on machines without an audio device; GStreamer falls
    // back to a sink that plays silently in time, so the soundtrack still sequences.
    if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
    // An X11 window's WM_CLASS names the desktop file too (Wayland's app id is the desktop file
    // name), so that the desktop shows the running program's own name and icon.
    if (!qEnvironmentVariableIsSet("RESOURCE_NAME"))
        qputenv("RESOURCE_NAME", "org.lanternreel.Lanternreel");
    QCoreApplication::setOrganizationName(QStringLiteral("Lanternreel"));
    QCoreApplication::setApplicationName(QStringLiteral("Lanternreel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LANTERNREEL_VERSION));
    QCommandLineParser parser;
    CommandLine::describe(parser);

    // Help and the version are answered without a display, so they work over ssh and in scripts.
    QStringList rawArguments;
    for (int i = 0; i < argc; ++i)
        rawArguments.append(QString::fromLocal8Bit(argv[i]));
    if (CommandLine::asksForInformationOnly(rawArguments)) {
        QCoreApplication info(argc, argv);
        parser.process(info); // prints and exits
        return 0;
    }

    // An export needs no display either, and never goes to a running instance.
    if (CommandLine::asksForExport(rawArguments)) {
        QCoreApplication exporting(argc, argv);
        parser.process(exporting); // a mistaken option prints why and exits with 1
        return ExportCommandLine::run(parser);
    }

    QApplication app(argc, argv);
    // The desktop finds the program's name and icon by this, and its window by the same name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.lanternreel.Lanternreel"));
    // What is left after Qt took its own options is ours: options, then files to open.
    parser.process(app);
    // After the options, so that what the program prints stays English.
    installTranslations(app);
    // A path that does not exist goes to the import like the others, which reports it as a
    // file that did not load (and a second launch hears of the failure).
    const QStringList paths = CommandLine::absolutePaths(parser.positionalArguments());

    const QString doorName = InstanceDoor::serverName();
    if (!paths.isEmpty()) {
        if (const auto reply = InstanceDoor::knock(doorName, paths))
            return *reply;
    }

    QtServices platform;
    DocumentController controller(
        [&platform] { return std::make_unique<MyDocument>(platform.services()); });
    QtDocumentPanels panels;
    controller.setPanels(&panels);
    MainMenu menu(controller);
    platform.setMenuFlags(&menu);
    DragWatcher watcher(controller);
    controller.setWindowHook([&menu, &watcher](DocumentWindow *window) {
        menu.installInto(window);
        watcher.watch(window);
    });

    // A request that comes while an import runs is served when its own import, queued behind
    // that one, has ended.
    InstanceDoor door(doorName, [&watcher](const QStringList &given, InstanceDoor::Reply reply) {
        watcher.applicationOpenFiles(given, std::move(reply));
    });
    door.open();

    // Closing the last show ends the program, as closing the last window does.
    QObject::connect(&controller, &DocumentController::documentCountChanged, &app, [](int count) {
        if (count == 0)
            QApplication::quit();
    });

    if (paths.isEmpty())
        controller.openUntitledDocumentAndDisplay();
    else
        QTimer::singleShot(0, &watcher, [&watcher, &controller, paths] {
            // Pictures go into a new show at once; show files alone may all fail to open, and
            // leave no window: the program then stays usable with an empty show rather than
            // running on unseen. (A show the user closed while its pictures came in stays
            // closed.)
            const bool showsOnly = std::all_of(paths.begin(), paths.end(), DragWatcher::isShowFile);
            watcher.applicationOpenFiles(paths, [&controller, showsOnly](int) {
                if (showsOnly && controller.documents().empty())
                    controller.openUntitledDocumentAndDisplay();
            });
        });
    return QApplication::exec();
}
