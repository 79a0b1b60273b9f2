// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reportrows.h"

#include <QAbstractTableModel>

namespace resultlist {

// A read-only table model that owns the list's rows and column headers. The
// view sees changes to them when they are presented, with one model reset.
class ReportListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ReportListModel(QObject *parent = nullptr);

    ReportRows &rows() { return m_rows; }
    const ReportRows &rows() const { return m_rows; }

    // Column headers, counted from 0; alignments are 0 left, 1 right, 2 centred.
    int addColumn(const QString &caption);
    int headerCount() const { return int(m_columns.size()); }
    QString caption(int column) const;
    void setAlignment(int column, int alignment);

    // Shows the rows and columns as they are now.
    void present();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // A row dragged out: its document as a file, while it is there, found as
    // the shell finds it, in the current directory; and its text as Copy gives it.
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }

private:
    struct Column
    {
        QString caption;
        int alignment = 0;
    };

    QVariant alignmentData(int column) const;

    ReportRows m_rows;
    QList<Column> m_columns;
    int m_shownRows = 0;
    int m_shownColumns = 0;
};

} // namespace resultlist
