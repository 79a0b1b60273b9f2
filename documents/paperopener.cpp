#include "paperopener.h"

#include "shell.h"

#include "errors/runtimeerror.h"

#include <cstdio>

namespace documents {

namespace {

constexpr std::int16_t enterKey = 13;

} // namespace

PaperOpener::PaperOpener(catalogue::Catalogue &state, Shell &shell)
    : m_state(state)
    , m_shell(shell)
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

void PaperOpener::RunShellExecute(const QString &sTopic, const catalogue::Cell &sFile,
                                  const std::optional<QString> &sParams,
                                  const std::optional<QString> &sDirectory, int nShowCmd)
{
    const QString file = sFile.text();
    if (m_shell.execute(sTopic, file, sParams, sDirectory, nShowCmd) == noAssociation)
        showOpenWith(file);
}

void PaperOpener::showOpenWith(const QString &file)
{
    // A chooser that cannot be started must not take the window with it.
    try {
        m_shell.startCommandLine(openWithCommand + file, showNormal);
    } catch (const errors::RuntimeError &error) {
        std::fprintf(stderr, "brevanor: cannot show the Open With dialog for \"%s\": %s\n",
                     file.toLocal8Bit().constData(), error.what());
    }
}

} // namespace documents
