// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace window {

// The font of the window's controls.
QFont windowFont();
// The font of the heading above the search row.
QFont headingFont();

} // namespace window
