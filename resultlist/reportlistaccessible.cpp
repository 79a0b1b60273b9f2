// SPDX-License-Identifier: GPL-3.0-or-later
#include "reportlistaccessible.h"

#include "reportlist.h"
#include "sortannouncement.h"

#include <QHeaderView>

namespace resultlist {

namespace {

// How the list is sorted by the column, as its header tells readers.
QString sortDescription(const QTreeView *view, int column)
{
    const QHeaderView *header = view->header();
    if (!header->isSortIndicatorShown() || header->sortIndicatorSection() != column)
        return {};
    return header->sortIndicatorOrder() == Qt::AscendingOrder ? QStringLiteral("sorted ascending")
                                                              : QStringLiteral("sorted descending");
}

// One cell as a reader sees it: a column header (row -1) or a shown cell.
class ListCell : public QAccessibleInterface, public QAccessibleTableCellInterface
{
public:
    ListCell(QTreeView *view, int row, int column)
        : m_view(view)
        , m_row(row)
        , m_column(column)
    {
    }

    bool isValid() const override
    {
        const QAbstractItemModel *model = m_view->model();
        return m_row < model->rowCount() && m_column < model->columnCount();
    }
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_view);
    }
    QAccessibleInterface *child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface * /*child*/) const override { return -1; }
    QAccessibleInterface *childAt(int /*x*/, int /*y*/) const override { return nullptr; }

    QString text(QAccessible::Text type) const override
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
    void setText(QAccessible::Text /*type*/, const QString & /*text*/) override {}

    QRect rect() const override
    {
        if (!isValid())
            return {};
        if (isHeader()) {
            const QHeaderView *header = m_view->header();
            const QRect section(header->sectionViewportPosition(m_column), 0,
                                header->sectionSize(m_column), header->height());
            return section.translated(header->viewport()->mapToGlobal(QPoint(0, 0)));
        }
        return m_view->visualRect(index()).translated(
            m_view->viewport()->mapToGlobal(QPoint(0, 0)));
    }

    QAccessible::Role role() const override
    {
        return isHeader() ? QAccessible::ColumnHeader : QAccessible::TreeItem;
    }

    QAccessible::State state() const override
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

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface && !isHeader())
            return static_cast<QAccessibleTableCellInterface *>(this);
        return nullptr;
    }

    bool isSelected() const override
    {
        return isValid() && m_view->selectionModel()->isSelected(index());
    }
    QList<QAccessibleInterface *> columnHeaderCells() const override
    {
        return {parent()->child(m_column)};
    }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

private:
    bool isHeader() const { return m_row < 0; }
    QModelIndex index() const { return m_view->model()->index(m_row, m_column); }

    QTreeView *m_view;
    int m_row;
    int m_column;
};

// Readers follow the keyboard focus, and the list's current row while it has it.
bool readerFollowsCurrentRow(QTreeView *list)
{
    return list->hasFocus() && list->currentIndex().isValid() && QAccessible::isActive();
}

} // namespace

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

void announceFocusedRow(QTreeView *list)
{
    if (!readerFollowsCurrentRow(list))
        return;
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(list);
    QAccessibleInterface *cell = table ? table->focusChild() : nullptr;
    if (!cell)
        return;
    QAccessibleEvent event(list, QAccessible::Focus);
    event.setChild(table->indexOfChild(cell));
    QAccessible::updateAccessibility(&event);
}

void moveAccessibleFocusToList(QTreeView *list)
{
    if (!readerFollowsCurrentRow(list))
        return;
    QAccessibleEvent event(list, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

void forgetAccessibleCells(QTreeView *list)
{
    QAccessibleTableModelChangeEvent reset(list, QAccessibleTableModelChangeEvent::ModelReset);
    if (QAccessibleInterface *table = QAccessible::queryAccessibleInterface(list))
        table->tableInterface()->modelChange(&reset);
}

void describeSortChange(QTreeView *list, int previousColumn)
{
    if (!QAccessible::isActive())
        return;
    for (const int column : {previousColumn, list->header()->sortIndicatorSection()}) {
        if (column < 0)
            continue;
        QAccessibleEvent changed(list, QAccessible::DescriptionChanged);
        changed.setChild(column); // the headers are the table's first children
        QAccessible::updateAccessibility(&changed);
    }
}

void announceSortColumn(QTreeView *list)
{
    const int column = list->header()->sortIndicatorSection();
    if (!readerFollowsCurrentRow(list) || column < 0)
        return;
    announceSort(list, column, sortDescription(list, column));
}

} // namespace resultlist
