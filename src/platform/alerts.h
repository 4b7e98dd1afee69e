// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace lanternreel {

// The user-facing failure channel: a short system sound, and a modal alert with a message text,
// an informative text, details the user may open (which file failed) and the single button "OK"
// (or, where the user can put things right, a second button beside it).
class Alerts
{
public:
    virtual ~Alerts() = default;
    virtual void beep() = 0;
    // Returns when the user has pressed "OK".
    virtual void alert(const QString &messageText, const QString &informativeText,
                       const QString &details)
        = 0;
    void alert(const QString &messageText, const QString &informativeText)
    {
        alert(messageText, informativeText, QString());
    }
    // The same alert with a second button titled `otherButton` beside "OK"; true when the user
    // pressed that one, false for "OK" (or the alert closed otherwise).
    virtual bool alertOffering(const QString &messageText, const QString &informativeText,
                               const QString &otherButton)
        = 0;
};

} // namespace lanternreel
