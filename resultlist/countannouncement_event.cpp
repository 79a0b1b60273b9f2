// SPDX-License-Identifier: GPL-3.0-or-later
#include "countannouncement.h"

#include <QAccessible>
#include <QWidget>

namespace resultlist {

void announceOnControl(QWidget &focused, const QString &message)
{
    QAccessibleAnnouncementEvent announcement(&focused, message);
    QAccessible::updateAccessibility(&announcement);
}

} // namespace resultlist
