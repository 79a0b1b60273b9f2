// SPDX-License-Identifier: GPL-3.0-or-later
#include "contrast.h"

#include <algorithm>
#include <cmath>

namespace legibility {

namespace {

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF())
           + 0.0722 * linear(rgb.blueF());
}

QColor strongerOf(const QColor &a, const QColor &b, const QColor &ground)
{
    return contrastRatio(a, ground) >= contrastRatio(b, ground) ? a : b;
}

QColor mixed(const QColor &from, const QColor &to, int step)
{
    const auto channel = [step](int a, int b) { return a + (b - a) * step / 255; };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

// The first of the 255 steps from `from` to `to` at which the colour reaches
// `minimum` on `ground`, or 256 if none does. The luminance moves one way along
// the path, so once the contrast is enough it stays enough.
int firstLegibleStep(const QColor &from, const QColor &to, const QColor &ground, double minimum)
{
    if (contrastRatio(to, ground) < minimum)
        return 256;
    int low = 0;
    int high = 255;
    while (low < high) {
        const int step = (low + high) / 2;
        if (contrastRatio(mixed(from, to, step), ground) >= minimum)
            high = step;
        else
            low = step + 1;
    }
    return high;
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor legibleOn(const QColor &wanted, const QColor &ground, double minimum)
{
    if (contrastRatio(wanted, ground) >= minimum)
        return wanted;
    return strongerOf(Qt::black, Qt::white, ground);
}

QColor nearestLegible(const QColor &wanted, const QColor &ground)
{
    if (contrastRatio(wanted, ground) >= textContrast)
        return wanted;
    const QColor from = wanted.toRgb();
    const int towardsBlack = firstLegibleStep(from, Qt::black, ground, enhancedContrast);
    const int towardsWhite = firstLegibleStep(from, Qt::white, ground, enhancedContrast);
    if (towardsBlack > 255 && towardsWhite > 255)
        return strongerOf(Qt::black, Qt::white, ground);
    return towardsBlack <= towardsWhite ? mixed(from, Qt::black, towardsBlack)
                                        : mixed(from, Qt::white, towardsWhite);
}

} // namespace legibility
