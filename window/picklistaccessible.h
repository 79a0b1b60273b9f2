// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace window {

// Makes the accessible interface of a PickList; for QAccessible::installFactory.
QAccessibleInterface *pickListAccessible(const QString &className, QObject *object);

} // namespace window
