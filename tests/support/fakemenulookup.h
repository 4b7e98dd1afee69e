#pragma once

#include "platform/menuitem.h"

#include <QHash>
#include <QString>
#include <memory>

namespace lanternreel::testing {

// A menu bar of checkable items, by "menu/item" title. An item not set is not there.
class FakeMenuLookup : public MenuLookup
{
public:
    void set(const QString &menu, const QString &item, int state)
    {
        states.insert(menu + QLatin1Char('/') + item, state);
    }
    std::unique_ptr<MenuItem> findItem(const QString &menu, const QString &item) const override
    {
        const QString key = menu + QLatin1Char('/') + item;
        if (!states.contains(key))
            return nullptr;
        return std::make_unique<Item>(states, key);
    }

    // Items flipped through findItem change here, as a menu's would.
    mutable QHash<QString, int> states;

private:
    class Item : public MenuItem
    {
    public:
        Item(QHash<QString, int> &states, QString key)
            : m_states(states)
            , m_key(std::move(key))
        { }
        int state() const override { return m_states.value(m_key); }
        void setState(int state) override { m_states.insert(m_key, state); }

    private:
        QHash<QString, int> &m_states;
        QString m_key;
    };
};

} // namespace lanternreel::testing
