// SPDX-License-Identifier: GPL-3.0-or-later
#include "folderdialog.h"

#include <QApplication>
#include <QFileDialog>

namespace documents {

std::optional<QString> chooseFolderOnDesktop(const QString &title, const QString &startFolder)
{
    const QString chosen = QFileDialog::getExistingDirectory(
        QApplication::activeWindow(), title, startFolder, QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

} // namespace documents
