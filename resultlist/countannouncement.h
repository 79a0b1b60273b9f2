// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace resultlist {

// Tells readers a short message about the list (how many rows it shows) while
// the user is on `focused`, another control. From Qt 6.8 on, Qt can hand
// readers an announcement, which Orca 48 speaks; earlier versions cannot, so
// there an unseen notification of the control's window shows the message,
// which Orca 43 speaks. One backend per Qt version, picked by the build.
void announceOnControl(QWidget &focused, const QString &message);

} // namespace resultlist
