#pragma once

#include <QList>

namespace lanternreel {

// A table whose rows come from a data source, as the data source sees it.
class TableView
{
public:
    virtual ~TableView() = default;
    // Asks the data source for every row again.
    virtual void reloadData() = 0;
    virtual int numberOfSelectedRows() const = 0;
    // The selected rows, lowest first.
    virtual QList<int> selectedRowIndexes() const = 0;
};

} // namespace lanternreel
