// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferencespanel.h"

#include "ui_preferences.h"

namespace lanternreel {

PreferencesPanel::PreferencesPanel(const QColor &color, int32_t seconds, QWidget *parent)
    : Panel(parent)
    , m_layout(std::make_unique<Ui::preferences>())
{
    m_layout->setupUi(this);
    m_layout->bgColor->setColor(color);
    m_layout->timerInterval->setText(QString::number(seconds));
    connect(m_layout->saveButton, &QPushButton::clicked, this, &PreferencesPanel::saveClicked);
    connect(m_layout->cancelButton, &QPushButton::clicked, this, &PreferencesPanel::cancelClicked);
}

PreferencesPanel::~PreferencesPanel() = default;

QLineEdit *PreferencesPanel::timerInterval() const
{
    return m_layout->timerInterval;
}

ColorWell *PreferencesPanel::bgColor() const
{
    return m_layout->bgColor;
}

void PreferencesPanel::setScreens(const std::vector<DisplayScreen> &screens, const QString &chosen)
{
    QComboBox *box = m_layout->presentationScreen;
    box->clear();
    box->addItem(tr("The screen without the show's window"), QString());
    for (const DisplayScreen &screen : screens) {
        box->addItem(
            tr("%1 (%2×%3)").arg(screen.name).arg(screen.frame.width()).arg(screen.frame.height()),
            screen.name);
    }
    if (chosen.isEmpty())
        return;
    int at = box->findData(chosen);
    // A screen chosen before and not plugged in now stays chosen for when it is back.
    if (at < 0) {
        box->addItem(tr("%1 (not connected)").arg(chosen), chosen);
        at = box->count() - 1;
    }
    box->setCurrentIndex(at);
}

QComboBox *PreferencesPanel::presentationScreen() const
{
    return m_layout->presentationScreen;
}

QString PreferencesPanel::chosenScreen() const
{
    return m_layout->presentationScreen->currentData().toString();
}

} // namespace lanternreel
