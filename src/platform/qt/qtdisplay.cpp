// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtdisplay.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QGuiApplication>
#include <QScreen>

namespace lanternreel {

namespace {

const QString ScreenSaverService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString ScreenSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString ScreenSaverInterface = QStringLiteral("org.freedesktop.ScreenSaver");

// A desktop that does not answer within this long is treated as absent: entering full screen
// must not hang on it.
constexpr int CallTimeoutMs = 3000;

QDBusMessage callScreenSaver(const QString &method, const QVariantList &arguments)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return QDBusMessage::createError(QDBusError::Disconnected, QString());
    QDBusMessage message = QDBusMessage::createMethodCall(ScreenSaverService, ScreenSaverPath,
                                                          ScreenSaverInterface, method);
    message.setArguments(arguments);
    return bus.call(message, QDBus::Block, CallTimeoutMs);
}

} // namespace

QtDisplay::QtDisplay(QString applicationName)
    : m_applicationName(std::move(applicationName))
{ }

QtDisplay::~QtDisplay()
{
    while (!m_cookies.empty())
        releaseMainDisplay();
    while (m_hiddenCursors > 0)
        showCursor();
}

bool QtDisplay::captureMainDisplay()
{
    const QDBusMessage reply = callScreenSaver(
        QStringLiteral("Inhibit"),
        { m_applicationName,
          QCoreApplication::translate("QtDisplay", "A slideshow is being presented") });
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1)
        return false;
    bool ok = false;
    const uint cookie = reply.arguments().front().toUInt(&ok);
    if (!ok)
        return false;
    m_cookies.push_back(cookie);
    return true;
}

bool QtDisplay::releaseMainDisplay()
{
    // Nothing held (the capture failed): there is nothing to give back.
    if (m_cookies.empty())
        return true;
    const uint cookie = m_cookies.back();
    m_cookies.pop_back();
    const QDBusMessage reply = callScreenSaver(QStringLiteral("UnInhibit"), { cookie });
    return reply.type() == QDBusMessage::ReplyMessage;
}

QRect QtDisplay::mainScreenFrame() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

std::vector<DisplayScreen> QtDisplay::screens() const
{
    std::vector<DisplayScreen> all;
    const QScreen *primary = QGuiApplication::primaryScreen();
    if (primary)
        all.push_back({ primary->name(), primary->geometry() });
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen != primary)
            all.push_back({ screen->name(), screen->geometry() });
    }
    return all;
}

void QtDisplay::hideCursor()
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
    ++m_hiddenCursors;
}

void QtDisplay::showCursor()
{
    // Unbalanced calls must not take away a cursor that someone else set.
    if (m_hiddenCursors == 0)
        return;
    QGuiApplication::restoreOverrideCursor();
    --m_hiddenCursors;
}

} // namespace lanternreel
