// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <optional>

namespace lanternreel {

// Modal file choosers. Each answers the chosen full paths in the panel's order, or nothing when
// the user cancelled.
class OpenPanels
{
public:
    virtual ~OpenPanels() = default;
    // Files and folders together, several at once; files are filtered to `extensions`
    // (without dots).
    virtual std::optional<QStringList> chooseImages(const QStringList &extensions) = 0;
    // Files only, several at once, filtered to `extensions`.
    virtual std::optional<QStringList> chooseSounds(const QStringList &extensions) = 0;
    // One folder, titled `title`.
    virtual std::optional<QString> chooseFolder(const QString &title) = 0;
};

} // namespace lanternreel
