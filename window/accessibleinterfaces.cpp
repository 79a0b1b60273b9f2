// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibleinterfaces.h"

#include "picklistaccessible.h"

#include "resultlist/reportlistaccessible.h"

#include <QAccessible>

namespace window {

void installAccessibleInterfaces()
{
    QAccessible::installFactory(resultlist::reportListAccessible);
    QAccessible::installFactory(pickListAccessible);
}

} // namespace window
