// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>
#include <optional>

namespace documents {

// Return codes of Shell::execute: above lastErrorCode is success.
enum ShellCode : int {
    fileNotFound = 2,
    pathNotFound = 3,
    noAssociation = 31,
    lastErrorCode = 32,
};

// Show command and window style "shown normally and given the focus".
constexpr int showNormal = 1;

// The desktop's shell: what opens documents for the program, and asks the
// user for the folder they are in.
class Shell
{
public:
    virtual ~Shell() = default;

    // Performs the verb on the file with the application associated with its
    // type, resolving a bare name against the current directory. Returns the
    // shell's code: above 32 on success, 31 when no application is associated.
    virtual int execute(const QString &verb, const QString &file,
                        const std::optional<QString> &parameters,
                        const std::optional<QString> &directory, int showCommand) = 0;

    // Starts the command line as a new process without waiting for it.
    // Throws errors::RuntimeError when it cannot be started.
    virtual void startCommandLine(const QString &commandLine, int windowStyle) = 0;

    // The desktop's own folder chooser over the active window, starting in
    // the folder given; the folder chosen, or none when the user cancels.
    virtual std::optional<QString> chooseFolder(const QString &title,
                                                const QString &startFolder) = 0;

    // Shows the file's folder in the desktop's file manager with the file
    // selected, a bare name resolved as execute resolves it. Returns a code as
    // execute does: above 32 on success, fileNotFound for a missing file.
    virtual int showInFolder(const QString &file) = 0;
};

// The shell of the platform the program was built for.
std::unique_ptr<Shell> createPlatformShell();

} // namespace documents
