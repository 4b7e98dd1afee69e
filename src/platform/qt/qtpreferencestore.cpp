// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtpreferencestore.h"

namespace lanternreel {

QtPreferenceStore::QtPreferenceStore() = default;

void QtPreferenceStore::registerDefaults(const QVariantMap &defaults)
{
    for (auto it = defaults.begin(); it != defaults.end(); ++it)
        m_defaults.insert(it.key(), it.value());
}

QVariant QtPreferenceStore::value(const QString &key) const
{
    if (m_settings.contains(key))
        return m_settings.value(key);
    return m_defaults.value(key);
}

void QtPreferenceStore::setValue(const QString &key, const QVariant &value)
{
    m_settings.setValue(key, value);
}

} // namespace lanternreel
