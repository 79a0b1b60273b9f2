// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell.h"

#include "folderdialog.h"

#include "errors/runtimeerror.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>

// shellapi.h and shlobj.h need the types of windows.h first.
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

namespace documents {

namespace {

// The Windows shell itself: ShellExecuteA, owned by the desktop window, and
// new processes started with CreateProcessA; folders are chosen in Windows'
// own folder dialog, which Qt's file dialog shows there.
class WindowsShell : public Shell
{
public:
    int execute(const QString &verb, const QString &file, const std::optional<QString> &parameters,
                const std::optional<QString> &directory, int showCommand) override;
    void startCommandLine(const QString &commandLine, int windowStyle) override;
    std::optional<QString> chooseFolder(const QString &title, const QString &startFolder) override
    {
        return chooseFolderOnDesktop(title, startFolder);
    }
    int showInFolder(const QString &file) override;
};

// Texts go to the "A" functions in the system's ANSI code page; an absent
// text is passed as null.
std::optional<QByteArray> ansi(const std::optional<QString> &text)
{
    if (!text)
        return std::nullopt;
    return text->toLocal8Bit();
}

const char *pointerTo(const std::optional<QByteArray> &text)
{
    return text ? text->constData() : nullptr;
}

int WindowsShell::execute(const QString &verb, const QString &file,
                          const std::optional<QString> &parameters,
                          const std::optional<QString> &directory, int showCommand)
{
    // Whatever the shell shows for this request belongs to the desktop, not
    // to the program's window. ShellExecuteA asks for no message of the
    // shell's own (SEE_MASK_FLAG_NO_UI): a failure comes back as its code
    // alone, which the caller tells the user about.
    HWND owner = GetDesktopWindow();
    const QByteArray ansiVerb = verb.toLocal8Bit();
    const QByteArray ansiFile = file.toLocal8Bit();
    const std::optional<QByteArray> ansiParameters = ansi(parameters);
    const std::optional<QByteArray> ansiDirectory = ansi(directory);
    const HINSTANCE result =
        ShellExecuteA(owner, ansiVerb.constData(), ansiFile.constData(), pointerTo(ansiParameters),
                      pointerTo(ansiDirectory), showCommand);
    return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

void WindowsShell::startCommandLine(const QString &commandLine, int windowStyle)
{
    // CreateProcessA may write into the command line, so it gets a copy.
    QByteArray command = commandLine.toLocal8Bit();
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(windowStyle);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        throw errors::FileNotFoundError();
    // The program never waits for what it starts.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

int WindowsShell::showInFolder(const QString &file)
{
    const QFileInfo document(QDir::current(), file);
    if (file.isEmpty() || !document.exists())
        return fileNotFound;
    // The shell's folder windows are COM objects; the window's thread may
    // already be set up for them, which keeps its own setting.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const QString path = QDir::toNativeSeparators(document.absoluteFilePath());
    PIDLIST_ABSOLUTE item = ILCreateFromPathW(reinterpret_cast<PCWSTR>(path.utf16()));
    const HRESULT shown = item ? SHOpenFolderAndSelectItems(item, 0, nullptr, 0) : E_FAIL;
    if (item)
        ILFree(item);
    if (SUCCEEDED(com))
        CoUninitialize();
    return SUCCEEDED(shown) ? lastErrorCode + 1 : 0; // 0: a failure of the shell's own
}

} // namespace

std::unique_ptr<Shell> createPlatformShell()
{
    return std::make_unique<WindowsShell>();
}

} // namespace documents
