// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reportlistmodel.h"
#include "sorttarget.h"

#include <QTreeView>

#include <cstdint>
#include <vector>

namespace resultlist {

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

    bool isSorted() const { return m_model->rows().isSorted(); }

    // Makes the row at a display position current, marks it and chooses it
    // (ItemClick), as a click on it does.
    void chooseRow(int position);

    // Type-ahead goes by file names, whichever cell of the row is current.
    void keyboardSearch(const QString &search) override;
    // Rows are chosen whole: bringing one into view scrolls up or down, never sideways.
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

    // The row the user marked, by display position; -1 when none is.
    int markedPosition() const;
    // Puts the marked row's cells on the clipboard as the list shows them, a
    // tab between two and a newline after the last; nothing when no row is marked.
    void copyMarkedRow() const;

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

signals:
    void columnClick(int headerIndex);
    void itemClick(const QString &itemText);
    void dblClick();
    void keyDown(std::int16_t keyCode, std::int16_t shift);
    // The user asked for the list's context menu, to show at the global point.
    void menuRequested(const QPoint &globalPos, bool byKeyboard);
    // The list's own: what readers are to be told after the events in hand.
    void rowToAnnounce(QPrivateSignal);
    void sortToAnnounce(QPrivateSignal);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void selectionChanged(const QItemSelection &selected,
                          const QItemSelection &deselected) override;

private:
    void checkColumn(int column) const;
    void changed();
    void commit();
    void applyColumnWidths();
    void rememberResizedColumn(int logicalIndex, int newSize);
    bool isRowMarked(int position) const;
    bool markedRowInView() const;
    void showCurrentRow(bool markWasInView);
    void chooseCurrentRow();
    void emitColumnClick(int logicalIndex);
    QPoint keyboardMenuPoint();
    void announceCurrentRow();
    void announceSort();

    ReportListModel *m_model;
    double m_pixelsPerUnitX;
    double m_pixelsPerUnitY;
    std::vector<int> m_columnPixelWidths;
    int m_markedItem = -1; // the item of the marked row, which a sort keeps marked
    int m_mousePointer = defaultPointer;
    int m_batchDepth = 0;
    bool m_viewStale = false;
    bool m_applyingWidths = false;
};

} // namespace resultlist
