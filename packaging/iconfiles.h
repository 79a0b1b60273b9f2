// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace packaging {

// An icon file holding the images as PNG entries, as Windows reads them for
// the program's icon resource.
QByteArray icoFile(const QList<QImage> &images);

// The program's icon drawn at each size, for the icon files.
QList<QImage> iconImages(const QList<int> &sizes);

} // namespace packaging
