// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowfonts.h"

#include <QStringList>

namespace window {

QFont windowFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    // Where the family is missing, a sans serif of similar metrics stands in.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans")});
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    return font;
}

QFont headingFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9.75);
    font.setWeight(QFont::Bold);
    return font;
}

} // namespace window
