// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleInterface>
#include <QModelIndex>

class QTreeView;

namespace resultlist {

// How the list is sorted by the column, as its header tells readers:
// "sorted ascending", "sorted descending", or nothing.
QString sortDescription(const QTreeView *view, int column);

// One cell as a reader sees it: a column header (row -1) or a shown cell.
class ListCell : public QAccessibleInterface, public QAccessibleTableCellInterface
{
public:
    ListCell(QTreeView *view, int row, int column);

    bool isValid() const override;
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface * /*child*/) const override { return -1; }
    QAccessibleInterface *childAt(int /*x*/, int /*y*/) const override { return nullptr; }

    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text /*type*/, const QString & /*text*/) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;
    bool isSelected() const override;
    QList<QAccessibleInterface *> columnHeaderCells() const override;
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

private:
    bool isHeader() const { return m_row < 0; }
    QModelIndex index() const;

    QTreeView *m_view;
    int m_row;
    int m_column;
};

} // namespace resultlist
