#include "reportlist.h"

#include "contrast.h"
#include "reportlistaccessible.h"

#include "catalogue/catalogue.h"
#include "errors/runtimeerror.h"

#include <QAccessible>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QStyledItemDelegate>

#include <algorithm>
#include <numeric>

namespace resultlist {

namespace {

QLocale collationLocale()
{
    // The C locale would compare code points; readers of a list of names
    // expect accented letters beside their base letters.
    const QLocale system;
    return system.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates)
                                           : system;
}

Qt::Alignment qtAlignment(int alignment)
{
    switch (alignment) {
    case 1: return Qt::AlignRight;
    case 2: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
    }
}

Qt::CursorShape cursorShape(int pointer)
{
    static const Qt::CursorShape shapes[] = {
        Qt::ArrowCursor,     Qt::ArrowCursor,   Qt::CrossCursor,     Qt::IBeamCursor,
        Qt::ArrowCursor,     Qt::SizeAllCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor,
        Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::UpArrowCursor,   Qt::WaitCursor,
        Qt::ForbiddenCursor, Qt::BusyCursor,    Qt::WhatsThisCursor, Qt::SizeAllCursor,
    };
    return shapes[pointer];
}

// The key's number as key handlers know it: letters and digits by their
// character, the others by their virtual-key number.
std::int16_t virtualKeyCode(const QKeyEvent &event)
{
    const int key = event.key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return std::int16_t(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return std::int16_t(112 + key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: return 0;
    }
}

std::int16_t shiftState(Qt::KeyboardModifiers modifiers)
{
    return std::int16_t((modifiers & Qt::ShiftModifier ? 1 : 0)
                        | (modifiers & Qt::ControlModifier ? 2 : 0)
                        | (modifiers & Qt::AltModifier ? 4 : 0));
}

// Draws a cell's own text colour where it is legible on the list's ground, as
// the file names' blue is on a light one, and the nearest legible colour
// where it is not.
class LegibleCellDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!index.data(Qt::ForegroundRole).isValid())
            return;
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            option->palette.setColor(group, QPalette::Text,
                                     nearestLegible(option->palette.color(group, QPalette::Text),
                                                    option->palette.color(group, QPalette::Base)));
        }
    }
};

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
    , m_keys(collationLocale())
{
    static const bool accessibleInstalled =
        (QAccessible::installFactory(reportListAccessible), true);
    Q_UNUSED(accessibleInstalled);
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
    connect(this, &QAbstractItemView::clicked, this, &ReportList::emitItemClick);
}

int ReportList::addColumnHeader(const QString &caption)
{
    m_columns.push_back({caption, 0, header()->defaultSectionSize()});
    changed();
    return columnHeaderCount();
}

void ReportList::checkColumn(int column) const
{
    catalogue::checkSubscript(column - 1, columnHeaderCount());
}

void ReportList::checkItem(int item) const
{
    catalogue::checkSubscript(item, itemCount());
}

QString ReportList::columnCaption(int column) const
{
    checkColumn(column);
    return m_columns[column - 1].caption;
}

int ReportList::columnAlignment(int column) const
{
    checkColumn(column);
    return m_columns[column - 1].alignment;
}

void ReportList::setColumnAlignment(int column, int alignment)
{
    checkColumn(column);
    if (alignment < 0 || alignment > 2)
        throw errors::InvalidPropertyValueError();
    m_columns[column - 1].alignment = alignment;
    changed();
}

float ReportList::columnWidth(int column) const
{
    checkColumn(column);
    return float(m_columns[column - 1].widthPixels / m_pixelsPerUnitX);
}

void ReportList::setColumnWidth(int column, float width)
{
    checkColumn(column);
    if (width < 0)
        throw errors::InvalidPropertyValueError();
    m_columns[column - 1].widthPixels = qRound(double(width) * m_pixelsPerUnitX);
    if (column <= m_model->columnCount())
        applyColumnWidths();
}

void ReportList::clearItems()
{
    m_rows = {}; // a fresh list: the view's copy is not duplicated
    m_order = {};
    m_keys.truncate(0);
    m_orderStale = false;
    changed();
}

int ReportList::addItem(const QString &text)
{
    QStringList cells;
    cells.reserve(expectedCellCount());
    cells.append(text);
    m_rows.append(ListRow{std::move(cells), QColor()});
    const int item = itemCount() - 1;
    if (m_sorted)
        m_orderStale = true;
    else if (!m_orderStale)
        m_order.append(item);
    changed();
    return item;
}

int ReportList::expectedCellCount() const
{
    // Rows are written like the one before and fill the headers, so a new row
    // gets room for as many cells and its sub-items do not regrow it each time.
    const qsizetype previous = m_rows.isEmpty() ? 0 : m_rows.constLast().cells.size();
    return int(std::max({qsizetype(columnHeaderCount()), previous, qsizetype(1)}));
}

void ReportList::setItemForeColor(int item, const QColor &color)
{
    checkItem(item);
    m_rows[item].foreColor = color;
    changed();
}

void ReportList::addSubItem(int item, const QString &text)
{
    checkItem(item);
    QStringList &cells = m_rows[item].cells;
    cells.append(text);
    if (cells.size() - 1 == m_keysColumn)
        m_keys.truncate(item);
    if (m_sorted)
        m_orderStale = true;
    changed();
}

QString ReportList::cellText(int position, int cell) const
{
    checkItem(position);
    ensureOrder();
    return m_rows[m_order[position]].cells.value(cell);
}

QColor ReportList::itemForeColor(int position) const
{
    checkItem(position);
    ensureOrder();
    return m_rows[m_order[position]].foreColor;
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
    if (key < 0)
        throw errors::InvalidPropertyValueError();
    m_sortKey = key;
    orderChanged();
}

void ReportList::setSortOrder(int order)
{
    if (order != ascending && order != descending)
        throw errors::InvalidPropertyValueError();
    m_sortOrder = order;
    orderChanged();
}

void ReportList::setSorted(bool sorted)
{
    ensureOrder(); // switching sorting off keeps the order the rows have
    m_sorted = sorted;
    orderChanged();
}

void ReportList::orderChanged()
{
    if (m_sorted)
        m_orderStale = true;
    changed();
}

void ReportList::changed()
{
    m_viewStale = true;
    if (m_batchDepth == 0)
        commit();
}

void ReportList::ensureOrder() const
{
    if (!m_orderStale)
        return;
    m_orderStale = false;
    m_order.resize(m_rows.size());
    std::iota(m_order.begin(), m_order.end(), 0);
    if (m_sorted)
        sortOrderOfRows();
}

void ReportList::updateKeys() const
{
    if (m_keysColumn != m_sortKey) {
        m_keys.truncate(0);
        m_keysColumn = m_sortKey;
    }
    m_keys.reserve(m_rows.size());
    for (auto row = qsizetype(m_keys.size()); row < m_rows.size(); ++row)
        m_keys.append(m_rows[row].cells.value(m_keysColumn));
}

void ReportList::sortOrderOfRows() const
{
    updateKeys();
    // A stable sort: rows with equal texts stay in the order they were appended.
    if (m_sortOrder == ascending) {
        std::stable_sort(m_order.begin(), m_order.end(),
                         [this](int a, int b) { return m_keys.less(a, b); });
    } else {
        std::stable_sort(m_order.begin(), m_order.end(),
                         [this](int a, int b) { return m_keys.less(b, a); });
    }
}

void ReportList::commit()
{
    ensureOrder();
    m_viewStale = false;
    moveAccessibleFocusToList();
    ListSnapshot snapshot{m_rows, m_order, {}, {}};
    for (const Column &column : m_columns) {
        snapshot.captions.append(column.caption);
        snapshot.alignments.append(qtAlignment(column.alignment));
    }
    m_model->present(std::move(snapshot));
    forgetAccessibleCells();
    applyColumnWidths();
    const bool indicated = m_sorted && m_sortKey < columnHeaderCount();
    header()->setSortIndicator(indicated ? m_sortKey : -1,
                               m_sortOrder == ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    // A list with rows always has a current row for keyboard and screen-reader
    // users; making it current is not a click.
    if (m_model->rowCount() > 0)
        selectionModel()->setCurrentIndex(m_model->index(0, 0), QItemSelectionModel::NoUpdate);
}

// After a rebuild every cell is a new one: those made for the rows shown
// before are let go at once, before the new current row is announced. (The
// item view itself tells readers that the table's content changed.)
void ReportList::forgetAccessibleCells()
{
    QAccessibleTableModelChangeEvent reset(this, QAccessibleTableModelChangeEvent::ModelReset);
    if (QAccessibleInterface *table = QAccessible::queryAccessibleInterface(this))
        table->tableInterface()->modelChange(&reset);
}

void ReportList::applyColumnWidths()
{
    m_applyingWidths = true;
    for (int i = 0; i < m_model->columnCount(); ++i)
        header()->resizeSection(i, m_columns[i].widthPixels);
    m_applyingWidths = false;
}

void ReportList::rememberResizedColumn(int logicalIndex, int newSize)
{
    if (!m_applyingWidths && logicalIndex < columnHeaderCount())
        m_columns[logicalIndex].widthPixels = newSize;
}

float ReportList::widthInUnits() const
{
    return float(width() / m_pixelsPerUnitX);
}

void ReportList::setWidthInUnits(float width)
{
    if (width < 0)
        throw errors::InvalidPropertyValueError();
    resize(qRound(double(width) * m_pixelsPerUnitX), height());
}

float ReportList::heightInUnits() const
{
    return float(height() / m_pixelsPerUnitY);
}

void ReportList::setHeightInUnits(float height)
{
    if (height < 0)
        throw errors::InvalidPropertyValueError();
    resize(width(), qRound(double(height) * m_pixelsPerUnitY));
}

void ReportList::emitItemClick(const QModelIndex &index)
{
    emit itemClick(ListItem(index.siblingAtColumn(0).data().toString()));
}

void ReportList::emitColumnClick(int logicalIndex)
{
    emit columnClick(logicalIndex + 1);
}

void ReportList::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTreeView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit dblClick();
}

void ReportList::keyPressEvent(QKeyEvent *event)
{
    std::int16_t keyCode = virtualKeyCode(*event);
    emit keyDown(keyCode, shiftState(event->modifiers()));
    const int rowBefore = currentIndex().row();
    QTreeView::keyPressEvent(event);
    // Moving to a row with the keys, or selecting it with Space, chooses it as
    // a click does; without this the keyboard alone could never open a paper.
    const QModelIndex current = currentIndex();
    if (current.isValid() && (current.row() != rowBefore || event->key() == Qt::Key_Space))
        emitItemClick(current);
}

void ReportList::focusInEvent(QFocusEvent *event)
{
    QTreeView::focusInEvent(event);
    // Told after the list's own focus, so that a screen reader lands on the row.
    QMetaObject::invokeMethod(this, "announceCurrentRow", Qt::QueuedConnection);
}

// Assistive technology follows the keyboard focus: while the focus is
// elsewhere, a row that becomes current or is deselected by a rebuild is not
// announced, only drawn.
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
    if (hasFocus())
        QTreeView::selectionChanged(selected, deselected);
    else
        QAbstractItemView::selectionChanged( // NOLINT(bugprone-parent-virtual-call)
            selected, deselected);
}

void ReportList::announceCurrentRow()
{
    if (!hasFocus() || !currentIndex().isValid() || !QAccessible::isActive())
        return;
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(this);
    QAccessibleInterface *cell = table ? table->focusChild() : nullptr;
    if (!cell)
        return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(table->indexOfChild(cell));
    QAccessible::updateAccessibility(&event);
}

// A rebuild replaces every cell. While the list has the focus, the focus
// moves to the list itself first, so that no later event names a cell that is
// gone; the new current row is announced when the rows are in.
void ReportList::moveAccessibleFocusToList()
{
    if (!hasFocus() || !currentIndex().isValid() || !QAccessible::isActive())
        return;
    QAccessibleEvent event(this, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

} // namespace resultlist
