// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace window {

// Design sizes are in twips; the window's own units, in which positions are
// read and set at run time, are slightly larger than a pixel.
constexpr double twipsPerPixel = 15.0; // at 96 dpi
constexpr double twipsPerUnitX = 15.225;
constexpr double twipsPerUnitY = 15.39998;
constexpr double pixelsPerUnitX = twipsPerUnitX / twipsPerPixel;
constexpr double pixelsPerUnitY = twipsPerUnitY / twipsPerPixel;

constexpr int twipsToPixels(int twips)
{
    // Twips are never negative here, and std::lround is not constexpr.
    return int(twips / twipsPerPixel + 0.5); // NOLINT(bugprone-incorrect-roundings)
}

constexpr double twipsToUnitsX(int twips)
{
    return twips / twipsPerUnitX;
}

constexpr double twipsToUnitsY(int twips)
{
    return twips / twipsPerUnitY;
}

} // namespace window
