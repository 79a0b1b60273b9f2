// SPDX-License-Identifier: GPL-3.0-or-later
#include "anchorwindow.h"

#include "rows.h"

#include "window/mainform.h"

std::unique_ptr<QTreeWidget> makeAnchorWindow()
{
    auto tree = std::make_unique<QTreeWidget>();
    tree->setWindowTitle(QStringLiteral("Anchor"));
    // The two settings any flat list of uniform rows has; the program's list has them too.
    tree->setRootIsDecorated(false);
    tree->setUniformRowHeights(true);
    tree->setHeaderLabels(listCaptions());
    fillTree(*tree, builtinListRows());
    tree->resize(window::MainForm::designClientSize);
    return tree;
}
