// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QTreeView;

namespace resultlist {

// Tells readers, after a sort, the sort column's caption and the direction
// (`description`, as its header describes it). From Qt 6.8 on, Qt can hand
// readers an announcement, which Orca 48 speaks; earlier versions cannot, so
// there the reader is taken to the sort column's header, which Orca 43 speaks
// with its description. One backend per Qt version, picked by the build.
void announceSort(QTreeView *list, int column, const QString &description);

} // namespace resultlist
