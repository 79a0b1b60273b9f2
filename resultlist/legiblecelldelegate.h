// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "measuredcelldelegate.h"

namespace resultlist {

// Draws a cell's own text colour where it is legible on the list's ground, as
// the file names' blue is on a light one, and the nearest colour well clear
// of the least legible contrast where it is not.
class LegibleCellDelegate : public MeasuredCellDelegate
{
public:
    using MeasuredCellDelegate::MeasuredCellDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};

} // namespace resultlist
