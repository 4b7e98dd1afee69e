// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

namespace lanternreel {

// The per-user preference store. Registered defaults answer for keys that hold nothing stored;
// registration itself is not stored.
class PreferenceStore
{
public:
    virtual ~PreferenceStore() = default;
    virtual void registerDefaults(const QVariantMap &defaults) = 0;
    // The stored value, else the registered default, else an invalid QVariant.
    virtual QVariant value(const QString &key) const = 0;
    virtual void setValue(const QString &key, const QVariant &value) = 0;
};

} // namespace lanternreel
