// SPDX-License-Identifier: GPL-3.0-or-later
#include "paperopener.h"

#include "shell.h"

#include "errors/runtimeerror.h"

#include <QDir>

namespace documents {

namespace {

constexpr std::int16_t enterKey = 13;

// Why the shell could not open the file: where a missing one was looked for,
// or the shell's own code.
QString whyNotOpened(const QString &file, int code)
{
    if (code == fileNotFound || code == pathNotFound)
        return QStringLiteral("The document \"%1\" was not found in the folder %2.\n\n"
                              "Documents are looked for in the folder the program was started "
                              "from.")
            .arg(file, QDir::toNativeSeparators(QDir::currentPath()));
    return QStringLiteral("The document \"%1\" could not be opened (error %2).")
        .arg(file, QString::number(code));
}

} // namespace

PaperOpener::PaperOpener(catalogue::Catalogue &state, Shell &shell, Notice tellUser)
    : m_state(state)
    , m_shell(shell)
    , m_tellUser(std::move(tellUser))
{
}

void PaperOpener::ListView1_ItemClick(const QString &itemText)
{
    m_state.selectedfile = catalogue::Cell(itemText);
}

void PaperOpener::ListView1_DblClick()
{
    openSelectedFile();
}

void PaperOpener::ListView1_KeyDown(std::int16_t KeyCode, std::int16_t /*Shift*/)
{
    // Enter opens with any modifier held.
    if (KeyCode == enterKey)
        openSelectedFile();
}

void PaperOpener::openSelectedFile()
{
    RunShellExecute(QStringLiteral("open"), m_state.selectedfile, std::nullopt, std::nullopt,
                    showNormal);
}

void PaperOpener::openSelectedFileWith()
{
    showOpenWith(m_state.selectedfile.text());
}

void PaperOpener::showSelectedFileInFolder()
{
    const QString file = m_state.selectedfile.text();
    const int code = m_shell.showInFolder(file);
    if (code > lastErrorCode || file.isEmpty())
        return;
    if (code == fileNotFound || code == pathNotFound)
        m_tellUser(whyNotOpened(file, code));
    else
        m_tellUser(QStringLiteral("The folder of \"%1\" could not be shown.").arg(file));
}

void PaperOpener::RunShellExecute(const QString &sTopic, const catalogue::Cell &sFile,
                                  const std::optional<QString> &sParams,
                                  const std::optional<QString> &sDirectory, int nShowCmd)
{
    const QString file = sFile.text();
    const int code = m_shell.execute(sTopic, file, sParams, sDirectory, nShowCmd);
    if (code == noAssociation)
        showOpenWith(file);
    else if (code <= lastErrorCode && !file.isEmpty()) // before any choice, nothing to tell
        m_tellUser(whyNotOpened(file, code));
}

void PaperOpener::showOpenWith(const QString &file)
{
    // A chooser that cannot be started must not take the window with it.
    try {
        m_shell.startCommandLine(openWithCommand + file, showNormal);
    } catch (const errors::RuntimeError &) {
        if (!file.isEmpty())
            m_tellUser(
                QStringLiteral("The Open With dialog could not be shown for \"%1\".").arg(file));
    }
}

} // namespace documents
