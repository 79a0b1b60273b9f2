// SPDX-License-Identifier: GPL-3.0-or-later
#include "paperopener.h"

#include "shell.h"

#include "errors/runtimeerror.h"

#include <QDir>
#include <QFileInfo>

namespace documents {

namespace {

constexpr std::int16_t enterKey = 13;

// A folder stands on a line of its own, and no blank inside it is a place
// where the message may break the line.
QString folderLine(const QString &path)
{
    return QLatin1Char('\n') + QString(path).replace(QLatin1Char(' '), QChar(0x00a0));
}

// Where documents are looked for from now on, the folder named above.
QString lookedForIn(const DocumentFolder &folder)
{
    return folder.chosen() ? QStringLiteral("Documents are now looked for in this folder, the one "
                                            "chosen last, until the program is closed.")
                           : QStringLiteral("Documents are looked for in the folder the program "
                                            "was started from.");
}

QString notFound(const QString &file, const DocumentFolder &folder)
{
    const QString why = folder.exists() ? QStringLiteral("was not found in the folder:")
                                        : QStringLiteral("was not found, because this folder no "
                                                         "longer exists:");
    return QStringLiteral("The document \"%1\" %2").arg(file, why) + folderLine(folder.path())
           + QStringLiteral("\n\n") + lookedForIn(folder);
}

// A folder chosen that could not be taken leaves the one before it.
QString notTaken(const QString &chosen, DocumentFolder::Move move, const DocumentFolder &folder)
{
    const QString why = move == DocumentFolder::Move::gone
                            ? QStringLiteral("The folder chosen no longer exists:")
                            : QStringLiteral("The folder chosen cannot be read:");
    const QString which = folder.chosen() ? QStringLiteral("chosen before")
                                          : QStringLiteral("the program was started from");
    return why + folderLine(QDir::toNativeSeparators(chosen))
           + QStringLiteral("\n\nDocuments are still looked for in the folder %1:").arg(which)
           + folderLine(folder.path());
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
    // No chooser for a file that is not there, but the way to find it.
    const QString file = m_state.selectedfile.text();
    if (!file.isEmpty() && !QFileInfo::exists(file))
        tellNotFound(file);
    else
        showOpenWith(file);
}

void PaperOpener::lookInAnotherFolder(const QString &file)
{
    const std::optional<QString> chosen = m_shell.chooseFolder(
        QStringLiteral("Choose the Folder That Holds \"%1\"").arg(file), m_folder.path());
    if (!chosen)
        return;
    const DocumentFolder::Move move = m_folder.moveTo(*chosen);
    if (move == DocumentFolder::Move::moved)
        RunShellExecute(QStringLiteral("open"), catalogue::Cell(file), std::nullopt, std::nullopt,
                        showNormal);
    else
        m_tellUser(notTaken(*chosen, move, m_folder), file);
}

void PaperOpener::showSelectedFileInFolder()
{
    const QString file = m_state.selectedfile.text();
    const int code = m_shell.showInFolder(file);
    if (code > lastErrorCode || file.isEmpty())
        return;
    if (code == fileNotFound || code == pathNotFound)
        tellNotFound(file);
    else
        m_tellUser(QStringLiteral("The folder of \"%1\" could not be shown.").arg(file), QString());
}

void PaperOpener::RunShellExecute(const QString &sTopic, const catalogue::Cell &sFile,
                                  const std::optional<QString> &sParams,
                                  const std::optional<QString> &sDirectory, int nShowCmd)
{
    const QString file = sFile.text();
    const int code = m_shell.execute(sTopic, file, sParams, sDirectory, nShowCmd);
    if (code == noAssociation)
        showOpenWith(file);
    else if (file.isEmpty()) // before any choice, nothing to tell
        return;
    else if (code == fileNotFound || code == pathNotFound)
        tellNotFound(file);
    else if (code <= lastErrorCode)
        m_tellUser(QStringLiteral("The document \"%1\" could not be opened (error %2).")
                       .arg(file, QString::number(code)),
                   QString());
}

void PaperOpener::tellNotFound(const QString &file)
{
    m_tellUser(notFound(file, m_folder), file);
}

void PaperOpener::showOpenWith(const QString &file)
{
    // A chooser that cannot be started must not take the window with it.
    try {
        m_shell.startCommandLine(openWithCommand + file, showNormal);
    } catch (const errors::RuntimeError &) {
        if (!file.isEmpty())
            m_tellUser(
                QStringLiteral("The Open With dialog could not be shown for \"%1\".").arg(file),
                QString());
    }
}

} // namespace documents
