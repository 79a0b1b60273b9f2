// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paper.h"

#include <QStringList>

namespace documents {

// Puts a list row on the clipboard as the list shows it: its cells with a tab
// between two and a newline after the last, and as HTML a table of that one
// row, which a spreadsheet or word processor pastes as a row. An empty row
// puts nothing there.
void copyRow(const QStringList &cells);

// Puts the paper's reference on the clipboard, as plain text and as HTML.
void copyCitation(const Paper &paper);

// Puts the paper's BibTeX entry, under the key, on the clipboard.
void copyBibtex(const Paper &paper, const QString &key);

} // namespace documents
