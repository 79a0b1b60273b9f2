// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "columnwidths.h"
#include "markedrow.h"
#include "reportlistmodel.h"
#include "reportview.h"
#include "sorttarget.h"

#include <cstdint>

namespace resultlist {

// A report-style list: column headers above rows of text cells, kept in the
// order of one column's text when sorting is on. Sizes are in the window's
// units, given as pixels per unit.
//
// Changes made inside a Batch reach the view once, when the outermost batch
// ends, so a rebuild of many rows costs one sort and one model reset.
class ReportList : public ReportView, public SortTarget
{
    Q_OBJECT

public:
    ReportList(double pixelsPerUnitX, double pixelsPerUnitY, QWidget *parent = nullptr);

    class Batch
    {
    public:
        explicit Batch(ReportList &list);
        ~Batch();
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;

    private:
        ReportList &m_list;
    };

    // Column headers, counted from 1 as the program uses them.
    int addColumnHeader(const QString &caption);
    int columnHeaderCount() const { return m_model->headerCount(); }
    QString columnCaption(int column) const { return m_model->caption(column - 1); }
    void setColumnAlignment(int column, int alignment);
    float columnWidth(int column) const;
    void setColumnWidth(int column, float width);

    // Rows: items are counted from 0 in the order they were appended.
    void clearItems();
    int addItem(const QString &text);
    void setItemForeColor(int item, const QColor &color);
    void addSubItem(int item, const QString &text);

    // What the list shows, by display position from 0.
    int itemCount() const { return m_model->rows().count(); }
    QString cellText(int position, int cell) const
    {
        return m_model->rows().shownAt(position).cells.value(cell);
    }
    // The marked row's cells as the list shows them; none when no row is marked.
    QStringList markedCells() const;

    bool isSorted() const { return m_model->rows().isSorted(); }

    // SortTarget
    int mousePointer() const override { return m_mousePointer; }
    void setMousePointer(int shape) override;
    void lockWindowUpdate() override;
    void unlockWindowUpdate() override;
    std::int16_t sortKey() const override { return m_model->rows().sortKey(); }
    void setSortKey(std::int16_t key) override;
    int sortOrder() const override { return m_model->rows().sortOrder(); }
    void setSortOrder(int order) override;
    void setSorted(bool sorted) override;

    float widthInUnits() const { return float(width() / m_pixelsPerUnitX); }
    void setWidthInUnits(float width);
    float heightInUnits() const { return float(height() / m_pixelsPerUnitY); }
    void setHeightInUnits(float height);

protected:
    void selectionChanged(const QItemSelection &selected,
                          const QItemSelection &deselected) override;

private:
    void checkColumn(int column) const;
    void changed();
    void commit();
    void showSort();

    ReportListModel *m_model;
    double m_pixelsPerUnitX;
    double m_pixelsPerUnitY;
    ColumnWidths m_widths;
    MarkedRow m_marked;
    int m_mousePointer = defaultPointer;
    int m_batchDepth = 0;
    bool m_viewStale = false;
};

} // namespace resultlist
