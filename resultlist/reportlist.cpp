// SPDX-License-Identifier: GPL-3.0-or-later
#include "reportlist.h"

#include "inputcodes.h"
#include "readernotices.h"

#include "catalogue/catalogue.h"
#include "errors/runtimeerror.h"

#include <QHeaderView>

namespace resultlist {

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
    : ReportView(parent)
    , m_model(new ReportListModel(this))
    , m_pixelsPerUnitX(pixelsPerUnitX)
    , m_pixelsPerUnitY(pixelsPerUnitY)
    , m_widths(*header(), pixelsPerUnitX)
    , m_marked(*this, m_model->rows())
{
    setModel(m_model);
}

int ReportList::addColumnHeader(const QString &caption)
{
    m_model->addColumn(caption);
    m_widths.addColumn();
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
    return m_widths.width(column - 1);
}

void ReportList::setColumnWidth(int column, float width)
{
    checkColumn(column);
    m_widths.setWidth(column - 1, width);
}

void ReportList::clearItems()
{
    m_model->rows().clear();
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

QStringList ReportList::markedCells() const
{
    const int position = markedPosition();
    QStringList cells;
    for (int cell = 0; position >= 0 && cell < m_model->columnCount(); ++cell)
        cells.append(m_model->index(position, cell).data().toString());
    return cells;
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

void ReportList::setWidthInUnits(float width)
{
    resize(toPixels(width, m_pixelsPerUnitX), height());
}

void ReportList::setHeightInUnits(float height)
{
    resize(width(), toPixels(height, m_pixelsPerUnitY));
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
    const bool markWasInView = m_marked.inView();
    readerNotices().rebuild(
        [this] {
            m_model->present();
            m_widths.apply();
        },
        [this] { showSort(); });
    m_marked.restore(markWasInView);
}

void ReportList::showSort()
{
    const ReportRows &rows = m_model->rows();
    const bool indicated = rows.isSorted() && rows.sortKey() < columnHeaderCount();
    header()->setSortIndicator(indicated ? rows.sortKey() : -1, rows.sortOrder() == ascending
                                                                    ? Qt::AscendingOrder
                                                                    : Qt::DescendingOrder);
}

void ReportList::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    m_marked.follow();
    ReportView::selectionChanged(selected, deselected);
}

} // namespace resultlist
