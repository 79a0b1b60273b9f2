#pragma once

#include "reportlistmodel.h"
#include "sortkeys.h"
#include "sorttarget.h"

#include <QTreeView>

#include <cstdint>
#include <vector>

namespace resultlist {

// The row a click landed on, as the click handler sees it.
class ListItem
{
public:
    ListItem() = default;
    explicit ListItem(QString text)
        : m_text(std::move(text))
    {
    }
    QString text() const { return m_text; }

private:
    QString m_text;
};

// A report-style list: column headers above rows of text cells, kept in the
// order of one column's text when sorting is on. Sizes are in the window's
// units, given as pixels per unit.
//
// Changes made inside a Batch reach the view once, when the outermost batch
// ends, so a rebuild of many rows costs one sort and one model reset.
class ReportList : public QTreeView, public SortTarget
{
    Q_OBJECT

public:
    ReportList(double pixelsPerUnitX, double pixelsPerUnitY, QWidget *parent = nullptr);

    // Holds back the view's update until the outermost batch ends.
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
    int columnHeaderCount() const { return int(m_columns.size()); }
    QString columnCaption(int column) const;
    int columnAlignment(int column) const;
    void setColumnAlignment(int column, int alignment);
    float columnWidth(int column) const;
    void setColumnWidth(int column, float width);

    // Rows: items are counted from 0 in the order they were appended.
    void clearItems();
    int addItem(const QString &text);
    void setItemForeColor(int item, const QColor &color);
    void addSubItem(int item, const QString &text);

    // What the list shows, by display position from 0.
    int itemCount() const { return int(m_rows.size()); }
    QString cellText(int position, int cell) const;
    QColor itemForeColor(int position) const;

    bool isSorted() const { return m_sorted; }

    // SortTarget
    int mousePointer() const override { return m_mousePointer; }
    void setMousePointer(int shape) override;
    void lockWindowUpdate() override;
    void unlockWindowUpdate() override;
    std::int16_t sortKey() const override { return m_sortKey; }
    void setSortKey(std::int16_t key) override;
    int sortOrder() const override { return m_sortOrder; }
    void setSortOrder(int order) override;
    void setSorted(bool sorted) override;

    float widthInUnits() const;
    void setWidthInUnits(float width);
    float heightInUnits() const;
    void setHeightInUnits(float height);

signals:
    void columnClick(int headerIndex);
    void itemClick(const resultlist::ListItem &item);
    void dblClick();
    void keyDown(std::int16_t &keyCode, std::int16_t shift);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void selectionChanged(const QItemSelection &selected,
                          const QItemSelection &deselected) override;

private:
    struct Column
    {
        QString caption;
        int alignment = 0;
        int widthPixels = 0;
    };

    void checkColumn(int column) const;
    void checkItem(int item) const;
    int expectedCellCount() const;
    void changed();
    void orderChanged();
    void ensureOrder() const;
    void sortOrderOfRows() const;
    void updateKeys() const;
    void commit();
    void applyColumnWidths();
    void rememberResizedColumn(int logicalIndex, int newSize);
    void emitItemClick(const QModelIndex &index);
    void emitColumnClick(int logicalIndex);
    Q_INVOKABLE void announceCurrentRow();
    void moveAccessibleFocusToList();
    void forgetAccessibleCells();

    ReportListModel *m_model;
    double m_pixelsPerUnitX;
    double m_pixelsPerUnitY;
    std::vector<Column> m_columns;
    QList<ListRow> m_rows;
    mutable QList<int> m_order;
    mutable bool m_orderStale = false;
    mutable SortKeys m_keys; // of the sort column, per row
    mutable int m_keysColumn = -1;
    std::int16_t m_sortKey = 0;
    int m_sortOrder = ascending;
    bool m_sorted = false;
    int m_mousePointer = defaultPointer;
    int m_batchDepth = 0;
    bool m_viewStale = false;
    bool m_applyingWidths = false;
};

} // namespace resultlist
