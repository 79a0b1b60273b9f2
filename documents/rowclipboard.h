// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace documents {

// Puts a list row on the clipboard as the list shows it: its cells with a tab
// between two and a newline after the last. An empty row puts nothing there.
void copyRow(const QStringList &cells);

} // namespace documents
