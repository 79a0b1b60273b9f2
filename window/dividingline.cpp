// SPDX-License-Identifier: GPL-3.0-or-later
#include "dividingline.h"

#include "userscale.h"

namespace window {

DividingLine lineBetweenTwips(int x1, int y1, int x2, int y2)
{
    return {float(twipsToUnitsX(x1)), float(twipsToUnitsY(y1)), float(twipsToUnitsX(x2)),
            float(twipsToUnitsY(y2))};
}

QRect pixelsCovered(const DividingLine &line)
{
    return {QPoint(qRound(line.X1 * pixelsPerUnitX), qRound(line.Y1 * pixelsPerUnitY)),
            QPoint(qRound(line.X2 * pixelsPerUnitX), qRound(line.Y2 * pixelsPerUnitY))};
}

} // namespace window
