// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

#include <cstdint>

namespace lanternreel {

class PreferenceStore;

inline const QString TimerLengthKey = QStringLiteral("Timer Length");
inline const QString ColorKey = QStringLiteral("Color");

// 3 seconds and black where the user has stored nothing.
void registerPreferenceDefaults(PreferenceStore &store);
int32_t readTimerLength(const PreferenceStore &store);
QColor readFullscreenColor(const PreferenceStore &store);
void storeTimerLength(PreferenceStore &store, int32_t seconds);
void storeFullscreenColor(PreferenceStore &store, const QColor &color);

} // namespace lanternreel
