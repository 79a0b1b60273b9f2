// SPDX-License-Identifier: GPL-3.0-or-later
#include "rowclipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace documents {

void copyRow(const QStringList &cells)
{
    if (cells.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(cells.join(u'\t') + u'\n');
}

} // namespace documents
