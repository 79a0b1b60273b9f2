// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell_freedesktop.h"

#include "desktopapps.h"
#include "filemanager_freedesktop.h"
#include "folderdialog.h"
#include "paperopener.h"

#include "errors/runtimeerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <gio/gio.h>

namespace documents {

namespace {

// Codes of failures that have no code of their own in the Shell interface,
// taken from the same numbering as its codes.
constexpr int unsupportedVerb = 27; // the type's association has no such action
constexpr int cannotStart = 11;     // the associated application could not be started
constexpr int started = 42;

// Started without a shell, and with none of this program's standard streams:
// a caller of the program that closes them cannot end the process started.
void startDetached(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (program.isEmpty() || !process.startDetached())
        throw errors::FileNotFoundError();
}

// The chooser is installed in the libexec folder beside the program; a
// program run from the build tree uses the one built beside it.
QString chooserProgram()
{
    const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath()
                                              + QStringLiteral("/" BREVANOR_CHOOSER_FROM_BINDIR));
    if (QFileInfo(installed).isExecutable())
        return installed;
    return QCoreApplication::applicationDirPath() + QStringLiteral("/" BREVANOR_CHOOSER_IN_BUILD);
}

} // namespace

int FreedesktopShell::execute(const QString &verb, const QString &file,
                              const std::optional<QString> & /*parameters*/,
                              const std::optional<QString> & /*directory*/, int /*showCommand*/)
{
    // A desktop entry's launch takes no parameters or working directory, and
    // the program passes neither.
    if (verb != QLatin1String("open"))
        return unsupportedVerb;
    // The empty name would otherwise resolve to the current directory itself.
    if (file.isEmpty())
        return fileNotFound;

    const QString path = QDir::current().absoluteFilePath(file);
    const QByteArray type = contentTypeOf(path);
    if (type.isEmpty())
        return fileNotFound;

    g_autoptr(GAppInfo) application = g_app_info_get_default_for_type(type.constData(), FALSE);
    if (!application)
        return noAssociation;
    return launchWithFile(application, path, nullptr) ? started : cannotStart;
}

void FreedesktopShell::startCommandLine(const QString &commandLine, int /*windowStyle*/)
{
    // Every window started here is shown normally, the one style the program
    // asks for, so the style needs no translation.
    if (!commandLine.startsWith(openWithCommand)) {
        QStringList words = QProcess::splitCommand(commandLine);
        const QString program = words.isEmpty() ? QString() : words.takeFirst();
        startDetached(program, words);
        return;
    }
    // Without a name there is nothing to choose an application for. The name
    // goes to the chooser whole, as one argument.
    const QString file = commandLine.mid(openWithCommand.size());
    if (!file.isEmpty())
        startDetached(chooserProgram(), {QDir::current().absoluteFilePath(file)});
}

std::optional<QString> FreedesktopShell::chooseFolder(const QString &title,
                                                      const QString &startFolder)
{
    return chooseFolderOnDesktop(title, startFolder);
}

int FreedesktopShell::showInFolder(const QString &file)
{
    const QFileInfo document(QDir::current(), file);
    if (file.isEmpty() || !document.exists())
        return fileNotFound;
    if (showItemsInFileManager(document.absoluteFilePath()))
        return started;
    g_autoptr(GAppInfo) folders = g_app_info_get_default_for_type("inode/directory", FALSE);
    if (!folders)
        return noAssociation;
    return launchWithFile(folders, document.absolutePath(), nullptr) ? started : cannotStart;
}

std::unique_ptr<Shell> createPlatformShell()
{
    return std::make_unique<FreedesktopShell>();
}

} // namespace documents
