// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

namespace legibility {

// Legibility under any palette: contrast ratios as WCAG 2 defines them, and
// the colours that keep a text or a line readable on a given ground.

constexpr double textContrast = 4.5;     // text on its ground
constexpr double enhancedContrast = 7.0; // text whose own colour fails: clear of the least
constexpr double lineContrast = 3.0;     // a line or other graphic on its ground

// From 1 (the same luminance) to 21 (black on white), either way round.
double contrastRatio(const QColor &a, const QColor &b);

// `wanted` where it reaches `minimum` on `ground`, otherwise black or white,
// whichever stands out more: it reaches enhancedContrast on any ground where
// some colour does.
QColor legibleOn(const QColor &wanted, const QColor &ground, double minimum = textContrast);

// `wanted` where it reaches textContrast on `ground`, otherwise the least mix
// of it towards black or towards white that reaches enhancedContrast, so that
// thin strokes drawn in lighter mixes stay legible too.
QColor nearestLegible(const QColor &wanted, const QColor &ground);

} // namespace legibility
