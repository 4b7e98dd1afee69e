// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace lanternreel {

class Job;

// What the document framework asks the user: where to open and save, whether to keep unsaved
// changes, and why a file could not be opened or saved. Tests answer from a script.
class DocumentPanels
{
public:
    enum class SaveAnswer { Save, DontSave, Cancel };

    virtual ~DocumentPanels() = default;
    // A show with unsaved changes is about to close.
    virtual SaveAnswer askToSaveChanges(const QString &displayName) = 0;
    // `filter` is a file dialog filter ("Lanternreel Show (*.lrshow)"). Nothing when cancelled.
    virtual std::optional<QString> chooseFileToOpen(const QString &filter) = 0;
    // `extension` (without the dot) is added to a name typed without it.
    virtual std::optional<QString> chooseFileToSave(const QString &filter, const QString &extension,
                                                    const QString &suggestedPath)
        = 0;
    virtual void reportFailure(const QString &messageText, const QString &informativeText) = 0;
    // Follows a running open or save, over `over` (the document's window, or none), until it
    // finishes; the user may cancel it there.
    virtual void showProgress(Job &job, QWidget *over) = 0;
};

class QtDocumentPanels : public DocumentPanels
{
public:
    SaveAnswer askToSaveChanges(const QString &displayName) override;
    std::optional<QString> chooseFileToOpen(const QString &filter) override;
    std::optional<QString> chooseFileToSave(const QString &filter, const QString &extension,
                                            const QString &suggestedPath) override;
    void reportFailure(const QString &messageText, const QString &informativeText) override;
    void showProgress(Job &job, QWidget *over) override;
};

} // namespace lanternreel
