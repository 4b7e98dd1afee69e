#pragma once

#include "platform/menuitem.h"

#include <QAction>
#include <QPointer>

namespace lanternreel {

// A checkable menu command as a MenuItem: checked is 1, unchecked 0.
class QtMenuItem : public MenuItem
{
public:
    explicit QtMenuItem(QAction *action)
        : m_action(action)
    { }
    int state() const override { return m_action && m_action->isChecked() ? 1 : 0; }
    void setState(int state) override
    {
        if (m_action)
            m_action->setChecked(state != 0);
    }

private:
    QPointer<QAction> m_action;
};

} // namespace lanternreel
