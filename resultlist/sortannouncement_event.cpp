// SPDX-License-Identifier: GPL-3.0-or-later
#include "sortannouncement.h"

#include <QAccessible>
#include <QTreeView>

namespace resultlist {

void announceSort(QTreeView *list, int column, const QString &description)
{
    const QString caption = list->model()->headerData(column, Qt::Horizontal).toString();
    QAccessibleAnnouncementEvent announcement(list, caption + QStringLiteral(", ") + description);
    QAccessible::updateAccessibility(&announcement);
}

} // namespace resultlist
