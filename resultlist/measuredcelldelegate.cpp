// SPDX-License-Identifier: GPL-3.0-or-later
#include "measuredcelldelegate.h"

#include <QWidget>

namespace resultlist {

namespace {

// Enough for every text the built-in rows show; a longer list of other texts
// is measured as before once the store is full.
constexpr qsizetype measuredTextsKept = 4096;

} // namespace

QSize MeasuredCellDelegate::sizeHint(const QStyleOptionViewItem &option,
                                     const QModelIndex &index) const
{
    const QStyle *style = option.widget ? option.widget->style() : nullptr;
    if (option.font != m_measuredFont || style != m_measuredStyle) {
        m_sizeByText.clear();
        m_measuredFont = option.font;
        m_measuredStyle = style;
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    if (const auto known = m_sizeByText.constFind(text); known != m_sizeByText.constEnd())
        return *known;
    const QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (m_sizeByText.size() < measuredTextsKept)
        m_sizeByText.insert(text, size);
    return size;
}

} // namespace resultlist
