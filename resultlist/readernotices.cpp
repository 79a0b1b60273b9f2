// SPDX-License-Identifier: GPL-3.0-or-later
#include "readernotices.h"

#include "countannouncement.h"
#include "reportlistcell.h"
#include "sortannouncement.h"

#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QTreeView>

namespace resultlist {

namespace {

constexpr int typingPause = 700; // ms

} // namespace

ReaderNotices::ReaderNotices(QTreeView &list)
    : QObject(&list)
    , m_list(list)
{
    m_countDue.setSingleShot(true);
    connect(&m_countDue, &QTimer::timeout, this, &ReaderNotices::announceRowCount);
    // Queued, so that what readers are told last is what the list now shows.
    connect(this, &ReaderNotices::rowDue, this, &ReaderNotices::announceFocusedRow,
            Qt::QueuedConnection);
    connect(this, &ReaderNotices::sortDue, this, &ReaderNotices::announceSortColumn,
            Qt::QueuedConnection);
}

void ReaderNotices::rebuild(const std::function<void()> &replaceRows,
                            const std::function<void()> &showSort)
{
    // The new current row is announced when the rows are in.
    if (readerFollowsCurrentRow()) {
        QAccessibleEvent onList(&m_list, QAccessible::Focus);
        QAccessible::updateAccessibility(&onList);
    }
    replaceRows();
    m_list.setAccessibleDescription(rowCountText(m_list.model()->rowCount()));
    // Every cell is a new one: those made for the rows shown before go at
    // once, before the new current row is announced. (The item view itself
    // tells readers that the table's content changed.)
    QAccessibleTableModelChangeEvent reset(&m_list, QAccessibleTableModelChangeEvent::ModelReset);
    if (QAccessibleInterface *table = QAccessible::queryAccessibleInterface(&m_list))
        table->tableInterface()->modelChange(&reset);

    const QHeaderView *header = m_list.header();
    const int sortedBefore = header->sortIndicatorSection();
    const Qt::SortOrder orderBefore = header->sortIndicatorOrder();
    showSort();
    if (header->sortIndicatorSection() != sortedBefore
        || header->sortIndicatorOrder() != orderBefore) {
        describeSortChange(sortedBefore);
        emit sortDue(QPrivateSignal());
    }
}

void ReaderNotices::focusArrived()
{
    emit rowDue(QPrivateSignal());
}

// Nothing is told of a list not shown, as while the window starts.
void ReaderNotices::tellRowCount()
{
    if (m_list.isVisible())
        m_countDue.start(0);
}

void ReaderNotices::tellRowCountAfterPause()
{
    if (m_list.isVisible())
        m_countDue.start(typingPause);
}

QString ReaderNotices::rowCountText(int rows)
{
    if (rows == 0)
        return QStringLiteral("No rows");
    return rows == 1 ? QStringLiteral("1 row") : QStringLiteral("%1 rows").arg(rows);
}

// Told on the control the user is on, whose reader follows it.
void ReaderNotices::announceRowCount()
{
    QWidget *focused = QApplication::focusWidget();
    if (focused && QAccessible::isActive())
        announceOnControl(*focused, m_list.accessibleDescription());
}

// The headers of the columns sorted by before and now describe the sort anew.
void ReaderNotices::describeSortChange(int previousColumn)
{
    if (!QAccessible::isActive())
        return;
    for (const int column : {previousColumn, m_list.header()->sortIndicatorSection()}) {
        if (column < 0)
            continue;
        QAccessibleEvent changed(&m_list, QAccessible::DescriptionChanged);
        changed.setChild(column); // the headers are the table's first children
        QAccessible::updateAccessibility(&changed);
    }
}

void ReaderNotices::announceFocusedRow()
{
    if (!readerFollowsCurrentRow())
        return;
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(&m_list);
    QAccessibleInterface *cell = table ? table->focusChild() : nullptr;
    if (!cell)
        return;
    QAccessibleEvent event(&m_list, QAccessible::Focus);
    event.setChild(table->indexOfChild(cell));
    QAccessible::updateAccessibility(&event);
}

// Tells the reader the sort column's name and the direction.
void ReaderNotices::announceSortColumn()
{
    const int column = m_list.header()->sortIndicatorSection();
    if (!readerFollowsCurrentRow() || column < 0)
        return;
    announceSort(&m_list, column, sortDescription(&m_list, column));
}

// Readers follow the keyboard focus, and the list's current row while it has it.
bool ReaderNotices::readerFollowsCurrentRow() const
{
    return m_list.hasFocus() && m_list.currentIndex().isValid() && QAccessible::isActive();
}

} // namespace resultlist
