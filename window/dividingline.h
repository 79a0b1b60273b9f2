// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

namespace window {

// A dividing line between two points in the window's units.
struct DividingLine
{
    float X1;
    float Y1;
    float X2;
    float Y2;
};

DividingLine lineBetweenTwips(int x1, int y1, int x2, int y2);

// The pixels from one end point to the other, both included.
QRect pixelsCovered(const DividingLine &line);

} // namespace window
