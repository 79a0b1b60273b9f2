// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTreeWidget>

#include <memory>

// The stock window the start-up is compared with: a plain tree widget of the
// main window's size holding the 178 rows the main window lists.
std::unique_ptr<QTreeWidget> makeAnchorWindow();
