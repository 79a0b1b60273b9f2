// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace documents {

// The desktop's folder chooser, as Qt shows it: the platform's own dialog where
// Qt has one (Windows', or the desktop portal's and the toolkit's on Linux),
// over the active window. The folder chosen, or none when the user cancels.
std::optional<QString> chooseFolderOnDesktop(const QString &title, const QString &startFolder);

} // namespace documents
