// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/documentpanels.h"
#include "platform/qt/job.h"

#include <QPointer>
#include <QStringList>
#include <vector>

namespace lanternreel::testing {

// Answers the document framework's questions from a script and records what it was asked.
class FakeDocumentPanels : public DocumentPanels
{
public:
    SaveAnswer askToSaveChanges(const QString &displayName) override
    {
        askedToSave.append(displayName);
        return saveAnswer;
    }
    std::optional<QString> chooseFileToOpen(const QString &filter) override
    {
        lastFilter = filter;
        return openAnswer;
    }
    std::optional<QString> chooseFileToSave(const QString &filter, const QString &extension,
                                            const QString &suggestedPath) override
    {
        lastFilter = filter;
        lastExtension = extension;
        lastSuggestedPath = suggestedPath;
        return saveAsAnswer;
    }
    void reportFailure(const QString &messageText, const QString &informativeText) override
    {
        failures.append(messageText + QLatin1Char('|') + informativeText);
    }
    void showProgress(Job &job, QWidget *) override { jobs.append(&job); }

    SaveAnswer saveAnswer = SaveAnswer::Cancel;
    std::optional<QString> openAnswer;
    std::optional<QString> saveAsAnswer;
    QStringList askedToSave;
    QStringList failures; // "message|informative"
    QList<QPointer<Job>> jobs; // every open and save whose progress was shown
    QString lastFilter;
    QString lastExtension;
    QString lastSuggestedPath;
};

} // namespace lanternreel::testing
