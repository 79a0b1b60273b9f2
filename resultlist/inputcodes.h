// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

#include <cstdint>

class QKeyEvent;

namespace resultlist {

// The key's number as key handlers know it: letters and digits by their
// character, the others by their virtual-key number; 0 for keys without one.
std::int16_t virtualKeyCode(const QKeyEvent &event);
// Shift, Ctrl and Alt as the bits 1, 2 and 4.
std::int16_t shiftState(Qt::KeyboardModifiers modifiers);
// The cursor of one of the list's mouse pointer numbers.
Qt::CursorShape cursorShape(int pointer);

} // namespace resultlist
