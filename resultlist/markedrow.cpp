// SPDX-License-Identifier: GPL-3.0-or-later
#include "markedrow.h"

#include "reportrows.h"
#include "reportview.h"

namespace resultlist {

namespace {

constexpr int keyCells = 2; // one author's row of one paper

} // namespace

MarkedRow::MarkedRow(ReportView &view, const ReportRows &rows)
    : m_view(view)
    , m_rows(rows)
{
}

bool MarkedRow::inView() const
{
    const int marked = m_view.markedPosition();
    if (marked < 0 || marked >= m_rows.count())
        return false;
    const QRect row = m_view.visualRect(m_view.model()->index(marked, 0));
    return row.height() > 0 && row.bottom() >= 0 && row.top() < m_view.viewport()->height();
}

void MarkedRow::follow()
{
    const int marked = m_view.markedPosition();
    if (marked >= 0 && marked < m_rows.count())
        m_key = m_rows.shownAt(marked).cells.mid(0, keyCells);
}

int MarkedRow::shownPosition() const
{
    if (m_key.isEmpty())
        return -1;
    for (int position = 0; position < m_rows.count(); ++position) {
        const QStringList &cells = m_rows.shownAt(position).cells;
        if (cells.value(0) == m_key.value(0) && cells.value(1) == m_key.value(1))
            return position;
    }
    return -1;
}

void MarkedRow::restore(bool wasInView)
{
    const QAbstractItemModel *model = m_view.model();
    QItemSelectionModel *selection = m_view.selectionModel();
    const int marked = model->rowCount() == 0 ? -1 : shownPosition();
    if (marked < 0) {
        selection->clear();
        return;
    }
    selection->setCurrentIndex(model->index(marked, 0),
                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (!wasInView)
        m_view.scrollToTop();
}

} // namespace resultlist
