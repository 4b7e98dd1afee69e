// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/log.h"

namespace lanternreel {

class QtLog : public Log
{
public:
    void log(const QString &line) override;
    void out(const QString &line) override;
};

} // namespace lanternreel
