#include "document/preferencekeys.h"
#include "mydocument.h"
#include "platform/alerts.h"
#include "platform/textnumber.h"
#include "ui_preferences.h"

#include <QPushButton>

namespace lanternreel {

void MyDocument::showPreferencesPanel()
{
    // A new panel at every opening; an earlier one stays open until it is closed itself.
    Ui::preferences layout;
    auto *panel = new QDialog(window());
    layout.setupUi(panel);
    panel->setAttribute(Qt::WA_DeleteOnClose);
    // Escape or the title bar's close button end the panel as Cancel does.
    connect(panel, &QDialog::finished, panel, &QObject::deleteLater);
    // A document without a window still takes its panels with it.
    connect(this, &QObject::destroyed, panel, &QObject::deleteLater);

    preferencesPanel = panel;
    timerInterval = layout.timerInterval;
    bgColor = layout.bgColor;

    // The buttons of an older panel that is still open act on that panel, not on the newest: a
    // press on Save there must store what the user sees there.
    const QPointer<QDialog> ownPanel = panel;
    const QPointer<QLineEdit> ownInterval = layout.timerInterval;
    const QPointer<ColorWell> ownColor = layout.bgColor;
    auto aimOutletsHere = [this, ownPanel, ownInterval, ownColor] {
        preferencesPanel = ownPanel;
        timerInterval = ownInterval;
        bgColor = ownColor;
    };
    connect(layout.saveButton, &QPushButton::clicked, this, [this, aimOutletsHere] {
        aimOutletsHere();
        savePreferences();
    });
    connect(layout.cancelButton, &QPushButton::clicked, this, [this, aimOutletsHere] {
        aimOutletsHere();
        cancelPreferences();
    });

    bgColor->setColor(fullscreenColor);
    timerInterval->setText(QString::number(timerLength));
    panel->show();
    panel->raise();
    panel->activateWindow();
}

void MyDocument::savePreferences()
{
    // Both fields belong to the panel opened last; once it has closed there is nothing to read.
    if (!bgColor || !timerInterval)
        return;

    // The colour is taken and stored whatever becomes of the interval.
    fullscreenColor = bgColor->color();
    storeFullscreenColor(*defaults, fullscreenColor);

    const int32_t seconds = intValue(timerInterval->text());
    if (seconds > 0) {
        timerLength = seconds;
        storeTimerLength(*defaults, seconds);
        if (preferencesPanel)
            preferencesPanel->close();
        return;
    }
    m_services.alerts->beep();
    m_services.alerts->alert(
        QStringLiteral("Invalid Timer Interval"),
        QStringLiteral("The time between slides must be an integer greater than 0."));
}

void MyDocument::cancelPreferences()
{
    if (preferencesPanel)
        preferencesPanel->close();
}

} // namespace lanternreel
