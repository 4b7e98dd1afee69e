// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/alerts.h"
#include "platform/log.h"
#include "platform/services.h"
#include "platform/sounds.h"

#include <memory>

namespace lanternreel::fuzzing {

// Services that do nothing, for reading show files outside the program.
class SilentSound : public Sound
{
public:
    explicit SilentSound(QString path)
        : m_path(std::move(path))
    { }
    void play() override { }
    void stop() override { }
    bool isPlaying() const override { return false; }
    QString name() const override { return m_path; }
    QString path() const override { return m_path; }
    void setOnFinished(std::function<void(bool)>) override { }

private:
    QString m_path;
};

class SilentServices : public Alerts, public Log, public SoundFactory
{
public:
    SilentServices()
    {
        m_services.alerts = this;
        m_services.log = this;
        m_services.sounds = this;
    }
    const Services &services() const { return m_services; }

    void beep() override { }
    void alert(const QString &, const QString &, const QString &) override { }
    bool alertOffering(const QString &, const QString &, const QString &) override { return false; }
    void log(const QString &) override { }
    void out(const QString &) override { }
    std::unique_ptr<Sound> makeSound(const QString &path) override
    {
        return std::make_unique<SilentSound>(path);
    }
    QStringList soundFileTypes() const override { return {}; }

private:
    Services m_services;
};

} // namespace lanternreel::fuzzing
