// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QHash>
#include <QStyledItemDelegate>

namespace resultlist {

// Measures each cell text once for the list's font and style. Every rebuild
// lays the rows out anew, which measures the first row's cells for the rows'
// height; shaping those texts again would cost more than the rebuild itself.
class MeasuredCellDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    mutable QHash<QString, QSize> m_sizeByText;
    mutable QFont m_measuredFont;
    mutable const QStyle *m_measuredStyle = nullptr;
};

} // namespace resultlist
