// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <vector>

class QTreeWidget;

// The six cells of one list row: file, author, title, track, session, timeslot.
using RowCells = std::array<QString, 6>;

// The rows the main window lists at start-up, in catalogue order, made from
// the built-in content as the window makes them.
std::vector<RowCells> builtinListRows();

// count rows that look like the built-in ones: authors and titles recombined
// from the built-in content (accents included), the same rows for the same
// count and variant; different variants give different rows.
std::vector<RowCells> syntheticRows(int count, unsigned variant = 0);

// The column captions of the list.
QStringList listCaptions();

// Replaces the tree's rows with the given ones, in one insertion.
void fillTree(QTreeWidget &tree, const std::vector<RowCells> &rows);
