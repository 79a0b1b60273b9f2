// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>

namespace window {

// The window's icon, a sheet of paper under a magnifying glass, drawn at the
// given size in pixels.
QImage drawAppIcon(int size);

// The icon at the usual sizes, from 16 x 16 up.
QIcon appIcon();

} // namespace window
