// SPDX-License-Identifier: GPL-3.0-or-later
#include "reportlistaccessible.h"

#include "reportlist.h"
#include "reportlistcell.h"

namespace resultlist {

ReportListAccessible::ReportListAccessible(ReportList *view)
    : QAccessibleWidget(view, QAccessible::Tree)
{
}

ReportListAccessible::~ReportListAccessible()
{
    forgetCells();
}

ReportList *ReportListAccessible::view() const
{
    return static_cast<ReportList *>(widget());
}

void *ReportListAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

int ReportListAccessible::columnCount() const
{
    return view()->model()->columnCount();
}

int ReportListAccessible::rowCount() const
{
    return view()->model()->rowCount();
}

// Children: the column headers, then the cells row by row, as item views
// number them in their own accessibility events.
int ReportListAccessible::childCount() const
{
    return (rowCount() + 1) * columnCount();
}

QAccessibleInterface *ReportListAccessible::child(int index) const
{
    const int columns = columnCount();
    if (index < 0 || index >= childCount())
        return nullptr;
    if (const auto known = m_cellByChildIndex.constFind(index);
        known != m_cellByChildIndex.constEnd())
        return QAccessible::accessibleInterface(*known);
    auto *cell = new ListCell(view(), index / columns - 1, index % columns);
    m_cellByChildIndex.insert(index, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

int ReportListAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface *>(child));
    for (auto cell = m_cellByChildIndex.constBegin(); cell != m_cellByChildIndex.constEnd();
         ++cell) {
        if (*cell == id)
            return cell.key();
    }
    return -1;
}

QAccessibleInterface *ReportListAccessible::childAt(int x, int y) const
{
    const QModelIndex index = view()->indexAt(view()->viewport()->mapFromGlobal(QPoint(x, y)));
    return index.isValid() ? cellAt(index.row(), index.column()) : nullptr;
}

QAccessibleInterface *ReportListAccessible::focusChild() const
{
    const QModelIndex current = view()->currentIndex();
    return current.isValid() ? cellAt(current.row(), current.column()) : nullptr;
}

QAccessibleInterface *ReportListAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    return child((row + 1) * columnCount() + column);
}

int ReportListAccessible::selectedCellCount() const
{
    return int(view()->selectionModel()->selectedIndexes().size());
}

QList<QAccessibleInterface *> ReportListAccessible::selectedCells() const
{
    QList<QAccessibleInterface *> cells;
    for (const QModelIndex &index : view()->selectionModel()->selectedIndexes())
        cells.append(cellAt(index.row(), index.column()));
    return cells;
}

QString ReportListAccessible::columnDescription(int column) const
{
    return view()->model()->headerData(column, Qt::Horizontal).toString();
}

QList<int> ReportListAccessible::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : view()->selectionModel()->selectedRows())
        rows.append(index.row());
    return rows;
}

bool ReportListAccessible::isRowSelected(int row) const
{
    return view()->selectionModel()->isRowSelected(row, {});
}

bool ReportListAccessible::selectRow(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    view()->chooseRow(row); // as a click on it does
    return true;
}

void ReportListAccessible::modelChange(QAccessibleTableModelChangeEvent *event)
{
    if (event->modelChangeType() != QAccessibleTableModelChangeEvent::DataChanged)
        forgetCells();
}

void ReportListAccessible::forgetCells()
{
    for (const QAccessible::Id id : std::as_const(m_cellByChildIndex))
        QAccessible::deleteAccessibleInterface(id);
    m_cellByChildIndex.clear();
}

QAccessibleInterface *reportListAccessible(const QString &className, QObject *object)
{
    auto *list = qobject_cast<ReportList *>(object);
    if (list && className == QLatin1String(ReportList::staticMetaObject.className()))
        return new ReportListAccessible(list);
    return nullptr;
}

} // namespace resultlist
