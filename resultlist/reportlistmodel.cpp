// SPDX-License-Identifier: GPL-3.0-or-later
#include "reportlistmodel.h"

#include "catalogue/catalogue.h"
#include "errors/runtimeerror.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace resultlist {

ReportListModel::ReportListModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

int ReportListModel::addColumn(const QString &caption)
{
    m_columns.append({caption, 0});
    return headerCount() - 1;
}

QString ReportListModel::caption(int column) const
{
    catalogue::checkSubscript(column, headerCount());
    return m_columns[column].caption;
}

void ReportListModel::setAlignment(int column, int alignment)
{
    catalogue::checkSubscript(column, headerCount());
    if (alignment < 0 || alignment > 2)
        throw errors::InvalidPropertyValueError();
    m_columns[column].alignment = alignment;
}

void ReportListModel::present()
{
    beginResetModel();
    m_shownRows = m_rows.count();
    m_shownColumns = headerCount();
    endResetModel();
}

int ReportListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_shownRows;
}

int ReportListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_shownColumns;
}

QVariant ReportListModel::data(const QModelIndex &index, int role) const
{
    // Views ask for the current row's text when there is none (the copy key
    // in an empty list); that is no mistake, so only a bad real index warns.
    // Rows taken away since they were presented have no data.
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid)
        || index.row() >= m_rows.count())
        return {};
    const ListRow &row = m_rows.shownAt(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: return row.cells.value(index.column());
    case Qt::ForegroundRole:
        if (index.column() == 0 && row.foreColor != 0)
            return QColor::fromRgba(row.foreColor);
        return {};
    case Qt::TextAlignmentRole: return alignmentData(index.column());
    default: return {};
    }
}

QVariant ReportListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_shownColumns)
        return {};
    if (role == Qt::DisplayRole)
        return m_columns.at(section).caption;
    if (role == Qt::TextAlignmentRole)
        return alignmentData(section);
    return {};
}

QVariant ReportListModel::alignmentData(int column) const
{
    static const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
    return QVariant::fromValue(alignments[m_columns.at(column).alignment] | Qt::AlignVCenter);
}

Qt::ItemFlags ReportListModel::flags(const QModelIndex &index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsDragEnabled;
}

QStringList ReportListModel::mimeTypes() const
{
    return {QStringLiteral("text/uri-list"), QStringLiteral("text/plain")};
}

QMimeData *ReportListModel::mimeData(const QModelIndexList &indexes) const
{
    if (indexes.isEmpty() || indexes.first().row() >= m_rows.count())
        return nullptr;
    const QStringList &cells = m_rows.shownAt(indexes.first().row()).cells;
    auto *data = new QMimeData;
    const QFileInfo document(QDir::current(), cells.value(0));
    if (!cells.value(0).isEmpty() && document.isFile())
        data->setUrls({QUrl::fromLocalFile(document.absoluteFilePath())});
    data->setText(cells.join(u'\t') + u'\n');
    return data;
}

} // namespace resultlist
