// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell.h"

namespace documents {

// The shell of freedesktop.org desktops: documents open in the application
// that the desktop's mime associations, read through GIO, name for their type,
// the Open With command line starts the program's own chooser, and folders are
// chosen in the desktop's folder dialog.
class FreedesktopShell : public Shell
{
public:
    int execute(const QString &verb, const QString &file, const std::optional<QString> &parameters,
                const std::optional<QString> &directory, int showCommand) override;
    void startCommandLine(const QString &commandLine, int windowStyle) override;
    std::optional<QString> chooseFolder(const QString &title, const QString &startFolder) override;
    // Asks the desktop's file manager over D-Bus; where none answers, the
    // folder opens in the desktop's application for folders.
    int showInFolder(const QString &file) override;
};

} // namespace documents
