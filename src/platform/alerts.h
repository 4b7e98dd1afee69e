// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace lanternreel {

// The user-facing failure channel: a short system sound, and a modal alert with a message text,
// an informative text, details the user may open (which file failed) and the single button "OK".
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
};

} // namespace lanternreel
