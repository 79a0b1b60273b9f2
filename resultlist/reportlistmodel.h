#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QList>
#include <QStringList>

namespace resultlist {

// One row of the report list: its cells (the item text first, then the
// sub-items) and the colour of its first cell.
struct ListRow
{
    QStringList cells;
    QColor foreColor;
};

} // namespace resultlist

// Growing a list of rows moves them bytewise instead of copying each.
Q_DECLARE_TYPEINFO(resultlist::ListRow, Q_RELOCATABLE_TYPE);

namespace resultlist {

// What the view shows of the list: the rows in display order under the
// column headers.
struct ListSnapshot
{
    QList<ListRow> rows; // in the order they were appended
    QList<int> order;    // display position -> index into rows
    QStringList captions;
    QList<Qt::Alignment> alignments;
};

// A read-only table model over the last snapshot the list control handed it.
class ReportListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ReportListModel(QObject *parent = nullptr);

    // Replaces everything shown with one model reset.
    void present(ListSnapshot snapshot);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    ListSnapshot m_shown;
};

} // namespace resultlist
