// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "display/colorwell.h"
#include "panels/panel.h"
#include "platform/display.h"

#include <QColor>
#include <QComboBox>
#include <QLineEdit>
#include <cstdint>
#include <memory>
#include <vector>

namespace Ui {
class preferences;
}

namespace lanternreel {

// The time between slides and the full-screen colour of one document, to change. What its
// buttons do is the document's business: they only say which was pressed, in this panel.
class PreferencesPanel : public Panel
{
    Q_OBJECT

public:
    // Shows `color` and `seconds`.
    PreferencesPanel(const QColor &color, int32_t seconds, QWidget *parent);
    ~PreferencesPanel() override;

    // The fields, as the user has left them.
    QLineEdit *timerInterval() const;
    ColorWell *bgColor() const;
    // The screens to choose from for a full-screen show, and the one chosen so far by name
    // (empty: the one the show's window is not on).
    void setScreens(const std::vector<DisplayScreen> &screens, const QString &chosen);
    QComboBox *presentationScreen() const;
    // The name of the screen chosen; empty for the automatic choice.
    QString chosenScreen() const;

signals:
    void saveClicked();
    void cancelClicked();

private:
    std::unique_ptr<Ui::preferences> m_layout;
};

} // namespace lanternreel
