#pragma once

#include "platform/alerts.h"

namespace lanternreel {

class QtAlerts : public Alerts
{
public:
    void beep() override;
    void alert(const QString &messageText, const QString &informativeText) override;
    bool alertOffering(const QString &messageText, const QString &informativeText,
                       const QString &otherButton) override;
};

} // namespace lanternreel
