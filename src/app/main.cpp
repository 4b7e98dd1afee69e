#include "app/mainmenu.h"
#include "document/mydocument.h"
#include "platform/qt/documentcontroller.h"
#include "platform/qt/qtservices.h"

#include <QApplication>

using namespace lanternreel;

int main(int argc, char *argv[])
{
    // Qt's FFmpeg media backend crashes on machines without an audio device; GStreamer falls
    // back to a sink that plays silently in time, so the soundtrack still sequences.
    if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Lanternreel"));
    QApplication::setApplicationName(QStringLiteral("Lanternreel"));

    QtServices platform;
    DocumentController controller(
        [&platform] { return std::make_unique<MyDocument>(platform.services()); });
    MainMenu menu(controller);
    controller.setWindowHook([&menu](DocumentWindow *window) { menu.installInto(window); });

    // Closing the last show ends the program, as closing the last window does.
    QObject::connect(&controller, &DocumentController::documentCountChanged, &app, [](int count) {
        if (count == 0)
            QApplication::quit();
    });

    controller.openUntitledDocumentAndDisplay();
    return QApplication::exec();
}
