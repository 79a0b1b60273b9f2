// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMetaObject>

#include <vector>

class QHeaderView;

namespace resultlist {

// Whole pixels of a size in the window's units; a negative size is refused.
int toPixels(float units, double pixelsPerUnit);

// The widths of the list's columns in the window's units, laid on its header
// in whole pixels. A column the user drags to another width keeps it.
class ColumnWidths
{
public:
    ColumnWidths(QHeaderView &header, double pixelsPerUnit);
    ~ColumnWidths();
    ColumnWidths(const ColumnWidths &) = delete;
    ColumnWidths &operator=(const ColumnWidths &) = delete;

    // A new column, as wide as the header makes one.
    void addColumn();
    // Columns counted from 0.
    float width(int column) const;
    void setWidth(int column, float width);
    // Lays the widths on the columns the header shows.
    void apply();

private:
    void remember(int column, int pixels);

    QHeaderView &m_header;
    double m_pixelsPerUnit;
    std::vector<int> m_pixels;
    bool m_applying = false;
    QMetaObject::Connection m_resized;
};

} // namespace resultlist
