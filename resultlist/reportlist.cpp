// SPDX-License-Identifier: GPL-3.0-or-later
#include "reportlist.h"

#include "inputcodes.h"
#include "legiblecelldelegate.h"
#include "reportlistaccessible.h"

#include "catalogue/catalogue.h"
#include "errors/runtimeerror.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

namespace resultlist {

namespace {

// Whole pixels of a size in the window's units; a negative size is refused.
int toPixels(float units, double pixelsPerUnit)
{
    if (units < 0)
        throw errors::InvalidPropertyValueError();
    return qRound(double(units) * pixelsPerUnit);
}

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

ReportList::Batch::Batch(ReportList &list)
    : m_list(list)
{
    ++m_list.m_batchDepth;
}

ReportList::Batch::~Batch()
{
    if (--m_list.m_batchDepth == 0 && m_list.m_viewStale)
        m_list.commit();
}

ReportList::ReportList(double pixelsPerUnitX, double pixelsPerUnitY, QWidget *parent)
    : QTreeView(parent)
    , m_model(new ReportListModel(this))
    , m_pixelsPerUnitX(pixelsPerUnitX)
    , m_pixelsPerUnitY(pixelsPerUnitY)
{
    setModel(m_model);
    setItemDelegate(new LegibleCellDelegate(this));
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
    // Readers are told once the events in hand have run, so that what they are
    // told last is what the list now shows.
    connect(this, &ReportList::rowToAnnounce, this, &ReportList::announceCurrentRow,
            Qt::QueuedConnection);
    connect(this, &ReportList::sortToAnnounce, this, &ReportList::announceSort,
            Qt::QueuedConnection);
    connect(header(), &QHeaderView::sectionClicked, this, &ReportList::emitColumnClick);
    // The second of two quick clicks arrives as a double click; it is a click all the same.
    connect(header(), &QHeaderView::sectionDoubleClicked, this, [this](int logicalIndex) {
        if (logicalIndex >= 0)
            emitColumnClick(logicalIndex);
    });
    connect(header(), &QHeaderView::sectionResized, this,
            [this](int logicalIndex, int, int newSize) {
                rememberResizedColumn(logicalIndex, newSize);
            });
}

int ReportList::addColumnHeader(const QString &caption)
{
    m_model->addColumn(caption);
    m_columnPixelWidths.push_back(header()->defaultSectionSize());
    changed();
    return columnHeaderCount();
}

void ReportList::checkColumn(int column) const
{
    catalogue::checkSubscript(column - 1, columnHeaderCount());
}

void ReportList::setColumnAlignment(int column, int alignment)
{
    m_model->setAlignment(column - 1, alignment);
    changed();
}

float ReportList::columnWidth(int column) const
{
    checkColumn(column);
    return float(m_columnPixelWidths[column - 1] / m_pixelsPerUnitX);
}

void ReportList::setColumnWidth(int column, float width)
{
    checkColumn(column);
    m_columnPixelWidths[column - 1] = toPixels(width, m_pixelsPerUnitX);
    if (column <= m_model->columnCount())
        applyColumnWidths();
}

void ReportList::clearItems()
{
    m_model->rows().clear();
    m_markedItem = -1;
    changed();
}

int ReportList::addItem(const QString &text)
{
    // Rows fill the headers: a new row gets room for as many cells.
    const int item = m_model->rows().append(text, columnHeaderCount());
    changed();
    return item;
}

void ReportList::setItemForeColor(int item, const QColor &color)
{
    m_model->rows().setForeColor(item, color.isValid() ? color.rgba() : 0);
    changed();
}

void ReportList::addSubItem(int item, const QString &text)
{
    m_model->rows().appendCell(item, text);
    changed();
}

int ReportList::markedPosition() const
{
    const QModelIndexList marked = selectionModel()->selectedRows();
    return marked.isEmpty() ? -1 : marked.first().row();
}

void ReportList::copyMarkedRow() const
{
    const int position = markedPosition();
    if (position < 0)
        return;
    QStringList cells;
    for (int cell = 0; cell < m_model->columnCount(); ++cell)
        cells.append(m_model->index(position, cell).data().toString());
    QGuiApplication::clipboard()->setText(cells.join(u'\t') + u'\n');
}

void ReportList::setMousePointer(int shape)
{
    if (shape < defaultPointer || shape > lastPointerShape)
        throw errors::InvalidPropertyValueError();
    m_mousePointer = shape;
    if (shape == defaultPointer)
        unsetCursor();
    else
        setCursor(cursorShape(shape));
}

void ReportList::lockWindowUpdate()
{
    setUpdatesEnabled(false);
}

void ReportList::unlockWindowUpdate()
{
    setUpdatesEnabled(true);
}

void ReportList::setSortKey(std::int16_t key)
{
    m_model->rows().setSortKey(key);
    changed();
}

void ReportList::setSortOrder(int order)
{
    m_model->rows().setSortOrder(order);
    changed();
}

void ReportList::setSorted(bool sorted)
{
    m_model->rows().setSorted(sorted);
    changed();
}

void ReportList::changed()
{
    m_viewStale = true;
    if (m_batchDepth == 0)
        commit();
}

void ReportList::commit()
{
    m_viewStale = false;
    const bool markWasInView = markedRowInView();
    // A rebuild replaces every cell: readers must not be left on one that is gone.
    moveAccessibleFocusToList(this);
    m_model->present();
    forgetAccessibleCells(this);
    applyColumnWidths();
    const ReportRows &rows = m_model->rows();
    const bool indicated = rows.isSorted() && rows.sortKey() < columnHeaderCount();
    const int sortedBefore = header()->sortIndicatorSection();
    const Qt::SortOrder orderBefore = header()->sortIndicatorOrder();
    header()->setSortIndicator(indicated ? rows.sortKey() : -1, rows.sortOrder() == ascending
                                                                    ? Qt::AscendingOrder
                                                                    : Qt::DescendingOrder);
    if (header()->sortIndicatorSection() != sortedBefore
        || header()->sortIndicatorOrder() != orderBefore) {
        describeSortChange(this, sortedBefore);
        // Spoken after the row that the rebuild makes current.
        emit sortToAnnounce(QPrivateSignal());
    }
    showCurrentRow(markWasInView);
}

bool ReportList::markedRowInView() const
{
    const int marked = markedPosition();
    if (m_markedItem < 0 || marked < 0)
        return false;
    const QRect row = visualRect(m_model->index(marked, 0));
    return row.height() > 0 && row.bottom() >= 0 && row.top() < viewport()->height();
}

// A list with rows always has a current row for keyboard and screen-reader
// users; making it current is not a click. A sort keeps the marked row marked
// and current wherever it moves, in view if it was; a rebuild marks none.
void ReportList::showCurrentRow(bool markWasInView)
{
    if (m_model->rowCount() == 0)
        return;
    const int marked = m_markedItem < 0 ? -1 : m_model->rows().positionOf(m_markedItem);
    if (marked < 0) {
        selectionModel()->setCurrentIndex(m_model->index(0, 0), QItemSelectionModel::NoUpdate);
        return;
    }
    selectionModel()->setCurrentIndex(m_model->index(marked, 0), QItemSelectionModel::ClearAndSelect
                                                                     | QItemSelectionModel::Rows);
    if (!markWasInView)
        scrollToTop();
}

bool ReportList::isRowMarked(int position) const
{
    return position >= 0 && selectionModel()->isRowSelected(position, {});
}

void ReportList::chooseRow(int position)
{
    selectionModel()->setCurrentIndex(m_model->index(position, 0), QItemSelectionModel::NoUpdate);
    chooseCurrentRow();
}

// The row shown marked is the row that opens: whatever marks a row chooses it.
void ReportList::chooseCurrentRow()
{
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    if (!isRowMarked(current.row()))
        selectionModel()->select(current,
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    emit itemClick(current.siblingAtColumn(0).data().toString());
}

void ReportList::keyboardSearch(const QString &search)
{
    const QModelIndex current = currentIndex();
    if (current.column() > 0)
        selectionModel()->setCurrentIndex(current.siblingAtColumn(0),
                                          QItemSelectionModel::NoUpdate);
    QTreeView::keyboardSearch(search);
}

void ReportList::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    const int sideways = horizontalScrollBar()->value();
    QTreeView::scrollTo(index, hint);
    horizontalScrollBar()->setValue(sideways);
}

void ReportList::applyColumnWidths()
{
    m_applyingWidths = true;
    for (int i = 0; i < m_model->columnCount(); ++i)
        header()->resizeSection(i, m_columnPixelWidths[i]);
    m_applyingWidths = false;
}

void ReportList::rememberResizedColumn(int logicalIndex, int newSize)
{
    if (!m_applyingWidths && logicalIndex < columnHeaderCount())
        m_columnPixelWidths[logicalIndex] = newSize;
}

void ReportList::setWidthInUnits(float width)
{
    resize(toPixels(width, m_pixelsPerUnitX), height());
}

void ReportList::setHeightInUnits(float height)
{
    resize(width(), toPixels(height, m_pixelsPerUnitY));
}

void ReportList::emitColumnClick(int logicalIndex)
{
    emit columnClick(logicalIndex + 1);
}

QItemSelectionModel::SelectionFlags ReportList::selectionCommand(const QModelIndex &index,
                                                                 const QEvent *event) const
{
    // Nothing the user does unmarks a row (Ctrl would): a row is only ever
    // marked in place of another.
    const QItemSelectionModel::SelectionFlags command = QTreeView::selectionCommand(index, event);
    if (command & QItemSelectionModel::Deselect)
        return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    return command;
}

void ReportList::mousePressEvent(QMouseEvent *event)
{
    // A press on the empty part only gives the list the focus, which it has
    // before the press arrives: the marked row stays marked.
    if (!indexAt(event->position().toPoint()).isValid())
        return;
    QTreeView::mousePressEvent(event);
    chooseCurrentRow(); // whichever the button
}

void ReportList::mouseReleaseEvent(QMouseEvent *event)
{
    const bool dragged = state() == DragSelectingState;
    QTreeView::mouseReleaseEvent(event);
    // A press dragged over the rows chooses the row where it ends.
    if (dragged)
        chooseCurrentRow();
}

void ReportList::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTreeView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit dblClick();
}

void ReportList::keyPressEvent(QKeyEvent *event)
{
    emit keyDown(virtualKeyCode(*event), shiftState(event->modifiers()));
    // The menu keys are read here, not as the context menu events that each
    // platform sends for its own keys, so that every platform has both.
    if (asksForMenu(*event)) {
        emit menuRequested(viewport()->mapToGlobal(keyboardMenuPoint()), true);
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        copyMarkedRow();
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
    const bool markedBefore = isRowMarked(rowBefore);
    QTreeView::keyPressEvent(event);
    // A key that moves or selects chooses the row it leaves current, as a
    // click does, also where it cannot move (Home on the first row); so does
    // type-ahead that finds a row.
    const int row = currentIndex().row();
    if (movesOrSelects(event->key()) || row != rowBefore || (!markedBefore && isRowMarked(row)))
        chooseCurrentRow();
}

void ReportList::focusInEvent(QFocusEvent *event)
{
    QTreeView::focusInEvent(event);
    // The keyboard bringing the focus in marks and chooses the current row,
    // the one a screen reader speaks on arriving.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        chooseCurrentRow();
    // Told after the list's own focus, so that a screen reader lands on the row.
    emit rowToAnnounce(QPrivateSignal());
}

void ReportList::contextMenuEvent(QContextMenuEvent *event)
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
QPoint ReportList::keyboardMenuPoint()
{
    const int marked = markedPosition();
    const QModelIndex row =
        marked >= 0 ? m_model->index(marked, 0) : currentIndex().siblingAtColumn(0);
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
void ReportList::currentChanged(const QModelIndex &current, const QModelIndex &previous)
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

void ReportList::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    // The marked row is kept by its item, which a sort moves.
    const int position = markedPosition();
    m_markedItem =
        position >= 0 && position < m_model->rows().count() ? m_model->rows().itemAt(position) : -1;
    if (hasFocus())
        QTreeView::selectionChanged(selected, deselected);
    else
        QAbstractItemView::selectionChanged( // NOLINT(bugprone-parent-virtual-call)
            selected, deselected);
}

void ReportList::announceCurrentRow()
{
    announceFocusedRow(this);
}

void ReportList::announceSort()
{
    announceSortColumn(this);
}

} // namespace resultlist
