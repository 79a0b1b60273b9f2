// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

#include <QHash>

namespace resultlist {

class ReportList;

// The list as assistive technology reads it: a table of its column headers
// and its shown cells. Each cell is made once, when a reader first asks for
// it, and let go when the list's rows are replaced, so that no reader is ever
// handed a cell of rows that are gone. Qt 6.4 and 6.8: QTreeView's own tells no
// sort on its headers nor chooses a row a reader selects; Qt 6.4's keeps replaced rows' cells.
class ReportListAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit ReportListAccessible(ReportList *view);
    ~ReportListAccessible() override;
    ReportListAccessible(const ReportListAccessible &) = delete;
    ReportListAccessible &operator=(const ReportListAccessible &) = delete;

    void *interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface *> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int /*row*/) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return int(selectedRows().size()); }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int /*column*/) const override { return false; }
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int /*column*/) override { return false; }
    bool unselectRow(int /*row*/) override { return false; }
    bool unselectColumn(int /*column*/) override { return false; }
    // Any change but a cell's data replaces the rows: every cell is let go.
    void modelChange(QAccessibleTableModelChangeEvent *event) override;

private:
    ReportList *view() const;
    void forgetCells();

    mutable QHash<int, QAccessible::Id> m_cellByChildIndex;
};

// Makes the accessible interface of a ReportList; for QAccessible::installFactory.
QAccessibleInterface *reportListAccessible(const QString &className, QObject *object);

} // namespace resultlist
