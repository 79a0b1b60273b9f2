// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "documentfolder.h"

#include "catalogue/catalogue.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

namespace documents {

class Shell;

// The command line that shows the desktop's Open With dialog for a file; the
// file name follows the final blank directly.
inline const QString openWithCommand = QStringLiteral("rundll32.exe shell32.dll,OpenAs_RunDLL ");

// Remembers the clicked row's file and opens it through the shell, with the
// Open With dialog when no application is associated with its type, and tells
// the user why a paper did not open; a document that is not where documents
// are looked for can be looked for in another folder.
class PaperOpener
{
public:
    // Shows the user a message, over the window. For a document that was not
    // found it names the file, and offers to look for it in another folder.
    using Notice = std::function<void(const QString &message, const QString &missingFile)>;

    PaperOpener(catalogue::Catalogue &state, Shell &shell, Notice tellUser);

    void ListView1_ItemClick(const QString &itemText);
    void ListView1_DblClick();
    void ListView1_KeyDown(std::int16_t KeyCode, std::int16_t Shift);
    // Asks for an application to open the chosen row's file with, even when
    // its type has one: the Open With dialog of the no-association case.
    void openSelectedFileWith();
    // Asks the user for the folder the file is in; a folder chosen becomes the
    // one every later request looks in, and the file opens from it at once.
    void lookInAnotherFolder(const QString &file);
    // Shows the chosen row's file selected in its folder, in the file manager.
    void showSelectedFileInFolder();
    void RunShellExecute(const QString &sTopic, const catalogue::Cell &sFile,
                         const std::optional<QString> &sParams,
                         const std::optional<QString> &sDirectory, int nShowCmd);

    const DocumentFolder &folder() const { return m_folder; }

private:
    void openSelectedFile();
    void showOpenWith(const QString &file);
    void tellNotFound(const QString &file);

    catalogue::Catalogue &m_state;
    Shell &m_shell;
    Notice m_tellUser;
    DocumentFolder m_folder;
};

} // namespace documents
