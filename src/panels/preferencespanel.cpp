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

} // namespace lanternreel
