// SPDX-License-Identifier: GPL-3.0-or-later
#include "legiblecelldelegate.h"

#include "legibility/contrast.h"

namespace resultlist {

void LegibleCellDelegate::initStyleOption(QStyleOptionViewItem *option,
                                          const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (!index.data(Qt::ForegroundRole).isValid())
        return;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        option->palette.setColor(
            group, QPalette::Text,
            legibility::nearestLegible(option->palette.color(group, QPalette::Text),
                                       option->palette.color(group, QPalette::Base)));
    }
}

} // namespace resultlist
