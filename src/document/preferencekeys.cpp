// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferencekeys.h"

#include "platform/preferencestore.h"

namespace lanternreel {

// The colour is stored as "#AARRGGBB" text so that the settings file stays readable.
void registerPreferenceDefaults(PreferenceStore &store)
{
    store.registerDefaults({
        { ColorKey, QColor(Qt::black).name(QColor::HexArgb) },
        { TimerLengthKey, 3 },
    });
}

int32_t readTimerLength(const PreferenceStore &store)
{
    // Only positive values are ever stored; a settings file edited by hand to hold anything else
    // would make a timer that never waits, so it reads as the default.
    bool ok = false;
    const int seconds = store.value(TimerLengthKey).toInt(&ok);
    return ok && seconds > 0 ? seconds : 3;
}

QColor readFullscreenColor(const PreferenceStore &store)
{
    const QVariant value = store.value(ColorKey);
    QColor color = value.canConvert<QColor>() && value.typeId() == QMetaType::QColor
        ? value.value<QColor>()
        : QColor::fromString(value.toString());
    return color.isValid() ? color : QColor(Qt::black);
}

void storeTimerLength(PreferenceStore &store, int32_t seconds)
{
    store.setValue(TimerLengthKey, seconds);
}

void storeFullscreenColor(PreferenceStore &store, const QColor &color)
{
    store.setValue(ColorKey, color.name(QColor::HexArgb));
}

// Nothing registered: a store that holds nothing reads as no choice.
QString readPresentationScreen(const PreferenceStore &store)
{
    return store.value(PresentationScreenKey).toString();
}

void storePresentationScreen(PreferenceStore &store, const QString &screenName)
{
    store.setValue(PresentationScreenKey, screenName);
}

} // namespace lanternreel
