// SPDX-License-Identifier: GPL-3.0-or-later
#include "reportview.h"

#include "inputcodes.h"
#include "legiblecelldelegate.h"
#include "readernotices.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

namespace resultlist {

namespace {

// Keys that move to a row or select one, and so choose it.
bool movesOrSelects(int key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Space:
    case Qt::Key_Select: return true;
    default: return false;
    }
}

// The keys that ask for a context menu: the Menu key and Shift+F10.
bool asksForMenu(const QKeyEvent &event)
{
    return event.key() == Qt::Key_Menu
           || (event.key() == Qt::Key_F10 && event.modifiers() == Qt::ShiftModifier);
}

} // namespace

ReportView::ReportView(QWidget *parent)
    : QTreeView(parent)
    , m_notices(new ReaderNotices(*this))
    , m_cells(new LegibleCellDelegate(this))
{
    setItemDelegate(m_cells);
    // At fractional and double scales the frame's line leaves part of its
    // width unpainted; the list's own ground fills it, not the window's.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setAllColumnsShowFocus(true);
    setSortingEnabled(false);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setSectionsClickable(true);
    header()->setMinimumSectionSize(0);
    header()->setSortIndicatorShown(true);
    // A press moved past the drag distance carries the row out; nothing is
    // dropped on the list.
    setDragEnabled(true);
    setDragDropMode(DragOnly);
    setDefaultDropAction(Qt::CopyAction);
    connect(header(), &QHeaderView::sectionClicked, this, &ReportView::emitColumnClick);
    // The second of two quick clicks arrives as a double click; it is a click all the same.
    connect(header(), &QHeaderView::sectionDoubleClicked, this, [this](int logicalIndex) {
        if (logicalIndex >= 0)
            emitColumnClick(logicalIndex);
    });
}

int ReportView::markedPosition() const
{
    const QModelIndexList marked = selectionModel()->selectedRows();
    return marked.isEmpty() ? -1 : marked.first().row();
}

bool ReportView::isRowMarked(int position) const
{
    return position >= 0 && selectionModel()->isRowSelected(position, {});
}

void ReportView::highlightMatches(const QString &text)
{
    m_cells->setMatchText(text);
    viewport()->update();
}

void ReportView::chooseRow(int position)
{
    selectionModel()->setCurrentIndex(model()->index(position, 0), QItemSelectionModel::NoUpdate);
    chooseCurrentRow();
}

// The row shown marked is the row that opens: whatever marks a row chooses it.
void ReportView::chooseCurrentRow()
{
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    if (!isRowMarked(current.row()))
        selectionModel()->select(current,
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    emit itemClick(current.siblingAtColumn(0).data().toString());
}

void ReportView::keyboardSearch(const QString &search)
{
    const QModelIndex current = currentIndex();
    if (current.column() > 0)
        selectionModel()->setCurrentIndex(current.siblingAtColumn(0),
                                          QItemSelectionModel::NoUpdate);
    QTreeView::keyboardSearch(search);
}

void ReportView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    const int sideways = horizontalScrollBar()->value();
    QTreeView::scrollTo(index, hint);
    horizontalScrollBar()->setValue(sideways);
}

void ReportView::emitColumnClick(int logicalIndex)
{
    emit columnClick(logicalIndex + 1);
}

QItemSelectionModel::SelectionFlags ReportView::selectionCommand(const QModelIndex &index,
                                                                 const QEvent *event) const
{
    // Nothing the user does unmarks a row (Ctrl would): a row is only ever
    // marked in place of another.
    const QItemSelectionModel::SelectionFlags command = QTreeView::selectionCommand(index, event);
    if (command & QItemSelectionModel::Deselect)
        return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    return command;
}

void ReportView::mousePressEvent(QMouseEvent *event)
{
    // A press on the empty part only gives the list the focus, which it has
    // before the press arrives: the marked row stays marked.
    if (!indexAt(event->position().toPoint()).isValid())
        return;
    QTreeView::mousePressEvent(event);
    chooseCurrentRow(); // whichever the button
}

// A row dragged out is copied, never moved: the list keeps every row.
void ReportView::startDrag(Qt::DropActions /*supportedActions*/)
{
    QTreeView::startDrag(Qt::CopyAction);
}

void ReportView::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTreeView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit dblClick();
}

void ReportView::keyPressEvent(QKeyEvent *event)
{
    // A key held down went down once: its repeats are no key-downs, so that
    // Enter held on a paper opens it once.
    if (!event->isAutoRepeat())
        emit keyDown(virtualKeyCode(*event), shiftState(event->modifiers()));
    // The menu keys are read here, not as the context menu events that each
    // platform sends for its own keys, so that every platform has both.
    if (asksForMenu(*event)) {
        emit menuRequested(viewport()->mapToGlobal(keyboardMenuPoint()), true);
        return;
    }
    if (QKeySequence(event->keyCombination()) == citationKeys()) {
        emit citationRequested();
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        emit copyRequested();
        return;
    }
    if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
        // Sideways the keys scroll the columns; the focus stays on the whole row.
        horizontalScrollBar()->triggerAction(event->key() == Qt::Key_Left
                                                 ? QAbstractSlider::SliderSingleStepSub
                                                 : QAbstractSlider::SliderSingleStepAdd);
        return;
    }
    const int rowBefore = currentIndex().row();
    if (rowBefore < 0 && movesOrSelects(event->key())) {
        // With no row current the keys start at the first row, End at the last.
        chooseRow(event->key() == Qt::Key_End ? model()->rowCount() - 1 : 0);
        return;
    }
    const bool markedBefore = isRowMarked(rowBefore);
    QTreeView::keyPressEvent(event);
    // A key that moves or selects chooses the row it leaves current, as a
    // click does, also where it cannot move (Home on the first row); so does
    // type-ahead that finds a row.
    const int row = currentIndex().row();
    if (movesOrSelects(event->key()) || row != rowBefore || (!markedBefore && isRowMarked(row)))
        chooseCurrentRow();
}

void ReportView::focusInEvent(QFocusEvent *event)
{
    QTreeView::focusInEvent(event);
    // The keyboard bringing the focus in marks and chooses the current row,
    // the one a screen reader speaks on arriving. Any other focus leaves no
    // row current that is not marked, as the item view would make the first.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        chooseCurrentRow();
    else if (!isRowMarked(currentIndex().row()))
        selectionModel()->clearCurrentIndex();
    m_notices->focusArrived();
}

void ReportView::contextMenuEvent(QContextMenuEvent *event)
{
    // The keyboard's menu keys arrive as keys.
    if (event->reason() != QContextMenuEvent::Mouse) {
        event->ignore();
        return;
    }
    emit menuRequested(event->globalPos(), false);
}

// The keyboard opens the menu below the marked row, else below the current
// one, brought into view; with no rows, at the top of the list.
QPoint ReportView::keyboardMenuPoint()
{
    const int marked = markedPosition();
    const QModelIndex row =
        marked >= 0 ? model()->index(marked, 0) : currentIndex().siblingAtColumn(0);
    if (!row.isValid())
        return {};
    scrollTo(row);
    return {0, visualRect(row).bottom()};
}

// Assistive technology follows the keyboard focus: while the focus is
// elsewhere, a row that becomes current or is deselected by a rebuild is not
// announced, only drawn, so here the calls step past QTreeView, which tells
// readers of a new selection without the focus on Qt 6.4 and 6.8, and of a new
// current row on Qt 6.4 only (that step kept while Qt 6.4 is supported).
void ReportView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    if (hasFocus()) {
        QTreeView::currentChanged(current, previous);
        return;
    }
    QAbstractItemView::currentChanged(current, previous); // NOLINT(bugprone-parent-virtual-call)
    for (const QModelIndex &index : {previous, current}) {
        const QRect cell = visualRect(index); // lays out the rows, which readers count
        viewport()->update(QRect(0, cell.top(), viewport()->width(), cell.height()));
    }
}

void ReportView::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    if (hasFocus())
        QTreeView::selectionChanged(selected, deselected);
    else
        QAbstractItemView::selectionChanged( // NOLINT(bugprone-parent-virtual-call)
            selected, deselected);
}

} // namespace resultlist
