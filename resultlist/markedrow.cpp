// SPDX-License-Identifier: GPL-3.0-or-later
#include "markedrow.h"

#include "reportrows.h"
#include "reportview.h"

namespace resultlist {

MarkedRow::MarkedRow(ReportView &view, const ReportRows &rows)
    : m_view(view)
    , m_rows(rows)
{
}

bool MarkedRow::inView() const
{
    const int marked = m_view.markedPosition();
    if (m_item < 0 || marked < 0)
        return false;
    const QRect row = m_view.visualRect(m_view.model()->index(marked, 0));
    return row.height() > 0 && row.bottom() >= 0 && row.top() < m_view.viewport()->height();
}

void MarkedRow::follow()
{
    const int marked = m_view.markedPosition();
    m_item = marked >= 0 && marked < m_rows.count() ? m_rows.itemAt(marked) : -1;
}

void MarkedRow::restore(bool wasInView)
{
    const QAbstractItemModel *model = m_view.model();
    if (model->rowCount() == 0)
        return;
    const int marked = m_item < 0 ? -1 : m_rows.positionOf(m_item);
    QItemSelectionModel *selection = m_view.selectionModel();
    if (marked < 0) {
        selection->setCurrentIndex(model->index(0, 0), QItemSelectionModel::NoUpdate);
        return;
    }
    selection->setCurrentIndex(model->index(marked, 0),
                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (!wasInView)
        m_view.scrollToTop();
}

} // namespace resultlist
