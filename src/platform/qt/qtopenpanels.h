// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/openpanels.h"

namespace lanternreel {

class QtOpenPanels : public OpenPanels
{
public:
    std::optional<QStringList> chooseImages(const QStringList &extensions) override;
    std::optional<QStringList> chooseSounds(const QStringList &extensions) override;
    std::optional<QString> chooseFolder(const QString &title) override;
};

} // namespace lanternreel
