// SPDX-License-Identifier: GPL-3.0-or-later
#include "sortannouncement.h"

#include <QAccessible>
#include <QTreeView>

namespace resultlist {

void announceSort(QTreeView *list, int column, const QString & /*description*/)
{
    QAccessibleEvent focus(list, QAccessible::Focus);
    focus.setChild(column); // the headers are the table's first children
    QAccessible::updateAccessibility(&focus);
}

} // namespace resultlist
