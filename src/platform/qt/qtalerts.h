// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/alerts.h"

namespace lanternreel {

class QtAlerts : public Alerts
{
public:
    using Alerts::alert;
    void beep() override;
    void alert(const QString &messageText, const QString &informativeText,
               const QString &details) override;
    bool alertOffering(const QString &messageText, const QString &informativeText,
                       const QString &otherButton) override;
};

} // namespace lanternreel
