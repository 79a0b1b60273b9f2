// SPDX-License-Identifier: GPL-3.0-or-later
#include "reportlistcell.h"

#include <QAccessible>
#include <QHeaderView>
#include <QTreeView>

namespace resultlist {

QString sortDescription(const QTreeView *view, int column)
{
    const QHeaderView *header = view->header();
    if (!header->isSortIndicatorShown() || header->sortIndicatorSection() != column)
        return {};
    return header->sortIndicatorOrder() == Qt::AscendingOrder ? QStringLiteral("sorted ascending")
                                                              : QStringLiteral("sorted descending");
}

ListCell::ListCell(QTreeView *view, int row, int column)
    : m_view(view)
    , m_row(row)
    , m_column(column)
{
}

bool ListCell::isValid() const
{
    const QAbstractItemModel *model = m_view->model();
    return m_row < model->rowCount() && m_column < model->columnCount();
}

QAccessibleInterface *ListCell::parent() const
{
    return QAccessible::queryAccessibleInterface(m_view);
}

QString ListCell::text(QAccessible::Text type) const
{
    if (!isValid())
        return {};
    if (type == QAccessible::Description)
        return isHeader() ? sortDescription(m_view, m_column) : QString();
    if (type != QAccessible::Name)
        return {};
    return isHeader() ? m_view->model()->headerData(m_column, Qt::Horizontal).toString()
                      : index().data().toString();
}

QRect ListCell::rect() const
{
    if (!isValid())
        return {};
    if (isHeader()) {
        const QHeaderView *header = m_view->header();
        const QRect section(header->sectionViewportPosition(m_column), 0,
                            header->sectionSize(m_column), header->height());
        return section.translated(header->viewport()->mapToGlobal(QPoint(0, 0)));
    }
    return m_view->visualRect(index()).translated(m_view->viewport()->mapToGlobal(QPoint(0, 0)));
}

QAccessible::Role ListCell::role() const
{
    return isHeader() ? QAccessible::ColumnHeader : QAccessible::TreeItem;
}

QAccessible::State ListCell::state() const
{
    QAccessible::State state;
    if (!isValid() || isHeader())
        return state;
    state.selectable = true;
    state.focusable = true;
    state.focused = m_view->currentIndex() == index();
    state.selected = isSelected();
    state.invisible = !m_view->viewport()->rect().intersects(m_view->visualRect(index()));
    return state;
}

void *ListCell::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableCellInterface && !isHeader())
        return static_cast<QAccessibleTableCellInterface *>(this);
    return nullptr;
}

bool ListCell::isSelected() const
{
    return isValid() && m_view->selectionModel()->isSelected(index());
}

QList<QAccessibleInterface *> ListCell::columnHeaderCells() const
{
    return {parent()->child(m_column)};
}

QModelIndex ListCell::index() const
{
    return m_view->model()->index(m_row, m_column);
}

} // namespace resultlist
