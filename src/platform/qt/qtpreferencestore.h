// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/preferencestore.h"

#include <QSettings>

namespace lanternreel {

// The desktop's per-user store, under the names main() gives the application.
class QtPreferenceStore : public PreferenceStore
{
public:
    QtPreferenceStore();
    void registerDefaults(const QVariantMap &defaults) override;
    QVariant value(const QString &key) const override;
    void setValue(const QString &key, const QVariant &value) override;

private:
    QSettings m_settings;
    QVariantMap m_defaults;
};

} // namespace lanternreel
