// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace documents {

// Asks the desktop's file manager, org.freedesktop.FileManager1 on the
// session bus, to show the file at the absolute path selected in its folder.
// False when no file manager answers or it answers with an error.
bool showItemsInFileManager(const QString &absolutePath);

} // namespace documents
