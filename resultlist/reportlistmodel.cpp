#include "reportlistmodel.h"

namespace resultlist {

ReportListModel::ReportListModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void ReportListModel::present(ListSnapshot snapshot)
{
    beginResetModel();
    m_shown = std::move(snapshot);
    endResetModel();
}

int ReportListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_shown.order.size());
}

int ReportListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_shown.captions.size());
}

QVariant ReportListModel::data(const QModelIndex &index, int role) const
{
    // Views ask for the current row's text when there is none (the copy key
    // in an empty list); that is no mistake, so only a bad real index warns.
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const ListRow &row = m_shown.rows.at(m_shown.order.at(index.row()));
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: return row.cells.value(index.column());
    case Qt::ForegroundRole:
        if (index.column() == 0 && row.foreColor.isValid())
            return row.foreColor;
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(m_shown.alignments.at(index.column()) | Qt::AlignVCenter);
    default: return {};
    }
}

QVariant ReportListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_shown.captions.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_shown.captions.at(section);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_shown.alignments.at(section) | Qt::AlignVCenter);
    return {};
}

} // namespace resultlist
