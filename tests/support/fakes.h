// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fakedisplay.h"
#include "fakesounds.h"
#include "platform/alerts.h"
#include "platform/log.h"
#include "platform/openpanels.h"
#include "platform/preferencestore.h"
#include "platform/services.h"
#include "platform/showflags.h"
#include "platform/timers.h"

#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <functional>
#include <memory>
#include <vector>

namespace lanternreel::testing {

struct RecordedAlert
{
    QString messageText;
    QString informativeText;
    QString otherButton; // empty for an alert with "OK" alone
    QString details;
};

class FakeAlerts : public Alerts
{
public:
    void beep() override { ++beeps; }
    using Alerts::alert;
    void alert(const QString &messageText, const QString &informativeText,
               const QString &details) override
    {
        alerts.push_back({ messageText, informativeText, QString(), details });
        if (onAlert)
            onAlert();
    }

    bool alertOffering(const QString &messageText, const QString &informativeText,
                       const QString &otherButton) override
    {
        alerts.push_back({ messageText, informativeText, otherButton, QString() });
        if (onAlert)
            onAlert();
        if (otherButtonAnswers.empty())
            return false;
        const bool pressed = otherButtonAnswers.front();
        otherButtonAnswers.erase(otherButtonAnswers.begin());
        return pressed;
    }

    int beeps = 0;
    std::vector<RecordedAlert> alerts;
    // Whether the user presses the other button of each offering alert in turn; "OK" once
    // none is left.
    std::vector<bool> otherButtonAnswers;
    // Runs while the alert is "up", as a modal alert would let the user act.
    std::function<void()> onAlert;
};

class FakeLog : public Log
{
public:
    void log(const QString &line) override { logLines.append(line); }
    void out(const QString &line) override { outLines.append(line); }

    QStringList logLines;
    QStringList outLines;
};

class FakePreferenceStore : public PreferenceStore
{
public:
    void registerDefaults(const QVariantMap &defaults) override
    {
        for (auto it = defaults.begin(); it != defaults.end(); ++it)
            registered.insert(it.key(), it.value());
    }
    QVariant value(const QString &key) const override
    {
        return stored.contains(key) ? stored.value(key) : registered.value(key);
    }
    void setValue(const QString &key, const QVariant &value) override { stored.insert(key, value); }

    QVariantMap registered;
    QVariantMap stored;
};

// A clock the test moves by hand. Timers fire only from advance().
class FakeTimers : public Timers
{
public:
    std::unique_ptr<RepeatingTimer> scheduleRepeating(int seconds,
                                                      std::function<void()> action) override;
    // Moves the clock on, firing every due timer in time order.
    void advance(double seconds);
    double now() const { return m_now; }
    // Timers scheduled and not yet invalidated or destroyed.
    int activeCount() const;
    int scheduledCount() const { return m_scheduled; }
    // Seconds until the next timer fires; negative when none is active.
    double secondsToNextFire() const;
    int lastInterval() const { return m_lastInterval; }

private:
    struct Entry
    {
        int interval = 0;
        double due = 0;
        bool active = true;
        std::function<void()> action;
    };
    class Handle;
    double m_now = 0;
    int m_scheduled = 0;
    int m_lastInterval = 0;
    std::vector<std::shared_ptr<Entry>> m_entries;
};

// The menu's loop and random items, as a show opened from a file reads them.
class FakeShowFlags : public ShowFlags
{
public:
    bool loop() const override { return loopOn; }
    bool random() const override { return randomOn; }

    bool loopOn = false;
    bool randomOn = false;
};

// Answers each chooser from a script: the next queued answer, or "cancelled" when none is left.
class FakeOpenPanels : public OpenPanels
{
public:
    std::optional<QStringList> chooseImages(const QStringList &extensions) override
    {
        lastImageExtensions = extensions;
        return next(imageAnswers);
    }
    std::optional<QStringList> chooseSounds(const QStringList &extensions) override
    {
        lastSoundExtensions = extensions;
        return next(soundAnswers);
    }

    std::optional<QString> chooseFolder(const QString &title) override
    {
        lastFolderTitle = title;
        if (folderAnswers.empty())
            return std::nullopt;
        auto answer = folderAnswers.front();
        folderAnswers.erase(folderAnswers.begin());
        return answer;
    }

    std::vector<std::optional<QStringList>> imageAnswers;
    std::vector<QString> folderAnswers;
    QString lastFolderTitle;
    std::vector<std::optional<QStringList>> soundAnswers;
    QStringList lastImageExtensions;
    QStringList lastSoundExtensions;

private:
    static std::optional<QStringList> next(std::vector<std::optional<QStringList>> &answers)
    {
        if (answers.empty())
            return std::nullopt;
        auto answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
};

// Every fake, wired into one Services bundle.
class FakeServices
{
public:
    FakeServices()
    {
        bundle.alerts = &alerts;
        bundle.log = &log;
        bundle.preferences = &preferences;
        bundle.timers = &timers;
        bundle.openPanels = &openPanels;
        bundle.sounds = &sounds;
        bundle.mediaLength = &mediaLength;
        bundle.display = &display;
        bundle.menuFlags = &menuFlags;
    }
    FakeServices(const FakeServices &) = delete;
    FakeServices &operator=(const FakeServices &) = delete;

    const Services &services() const { return bundle; }

    FakeAlerts alerts;
    FakeLog log;
    FakePreferenceStore preferences;
    FakeTimers timers;
    FakeOpenPanels openPanels;
    FakeSoundFactory sounds;
    FakeMediaLength mediaLength;
    FakeDisplay display;
    FakeShowFlags menuFlags;
    Services bundle;
};

} // namespace lanternreel::testing
