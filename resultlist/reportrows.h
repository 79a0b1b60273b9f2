// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sortkeys.h"
#include "sorttarget.h"

#include <QList>
#include <QStringList>

#include <cstdint>

namespace resultlist {

// One row of the report list: its cells (the item text first, then the
// sub-items) and the colour of its first cell as 0xAARRGGBB, 0 (clear) for
// the list's own text colour.
struct ListRow
{
    QStringList cells;
    std::uint32_t foreColor = 0;
};

} // namespace resultlist

// Growing a list of rows moves them bytewise instead of copying each.
Q_DECLARE_TYPEINFO(resultlist::ListRow, Q_RELOCATABLE_TYPE);

namespace resultlist {

// The list's rows in the order they were appended, and the order they are
// shown in: by one column's text when sorting is on. The order is brought up
// to date when it is next read, so appending many rows costs one sort.
class ReportRows
{
public:
    ReportRows();

    // Rows are counted from 0 in the order they were appended.
    int count() const { return int(m_rows.size()); }
    void clear();
    // Appends a row with room for at least cellCount cells.
    int append(const QString &text, int cellCount);
    void setForeColor(int item, std::uint32_t argb);
    void appendCell(int item, const QString &text);

    // The row shown at a display position, counted from 0; the item shown
    // there, and where an item is shown (-1 for none).
    const ListRow &shownAt(int position) const { return m_rows[itemAt(position)]; }
    int itemAt(int position) const;
    int positionOf(int item) const;

    std::int16_t sortKey() const { return m_sortKey; }
    void setSortKey(std::int16_t key);
    int sortOrder() const { return m_sortOrder; }
    void setSortOrder(int order);
    bool isSorted() const { return m_sorted; }
    void setSorted(bool sorted);

private:
    void checkItem(int item) const;
    void ensureOrder() const;
    void updateKeys() const;

    QList<ListRow> m_rows;
    // Brought up to date when next read: the display order and the sort keys.
    mutable QList<int> m_rowAtPosition;
    mutable bool m_orderStale = false;
    mutable SortKeys m_keys;
    mutable int m_keysColumn = -1;
    std::int16_t m_sortKey = 0;
    int m_sortOrder = ascending;
    bool m_sorted = false;
};

} // namespace resultlist
