// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <cstdint>

namespace lanternreel {

class PreferenceStore;

inline const QString TimerLengthKey = QStringLiteral("Timer Length");
inline const QString ColorKey = QStringLiteral("Color");
// The name of the screen a show goes full screen on when there are two; empty for the one
// the show's window is not on.
inline const QString PresentationScreenKey = QStringLiteral("Presentation Screen");

// 3 seconds and black where the user has stored nothing.
void registerPreferenceDefaults(PreferenceStore &store);
int32_t readTimerLength(const PreferenceStore &store);
QColor readFullscreenColor(const PreferenceStore &store);
void storeTimerLength(PreferenceStore &store, int32_t seconds);
void storeFullscreenColor(PreferenceStore &store, const QColor &color);
QString readPresentationScreen(const PreferenceStore &store);
void storePresentationScreen(PreferenceStore &store, const QString &screenName);

} // namespace lanternreel
