#include "shell_freedesktop.h"

#include "openwithdialog.h"
#include "paperopener.h"

#include "errors/runtimeerror.h"

#include <QDir>
#include <QFile>
#include <QProcess>

// GIO's headers use signals as a name, which Qt defines as a keyword.
#undef signals
#include <gio/gio.h>
#define signals Q_SIGNALS

namespace documents {

namespace {

// Codes of failures that have no code of their own in the Shell interface,
// taken from the same numbering as its codes.
constexpr int unsupportedVerb = 27; // the type's association has no such action
constexpr int cannotStart = 11;     // the associated application could not be started
constexpr int started = 42;

GFile *fileForPath(const QString &absolutePath)
{
    return g_file_new_for_path(QFile::encodeName(absolutePath).constData());
}

void startDetached(const QString &commandLine)
{
    QStringList words = QProcess::splitCommand(commandLine);
    if (words.isEmpty() || !QProcess::startDetached(words.takeFirst(), words))
        throw errors::FileNotFoundError();
}

} // namespace

QByteArray contentTypeOf(const QString &absolutePath)
{
    g_autoptr(GFile) file = fileForPath(absolutePath);
    g_autoptr(GFileInfo) info = g_file_query_info(file, G_FILE_ATTRIBUTE_STANDARD_CONTENT_TYPE,
                                                  G_FILE_QUERY_INFO_NONE, nullptr, nullptr);
    const char *type = info ? g_file_info_get_content_type(info) : nullptr;
    return type ? QByteArray(type) : QByteArray();
}

bool launchWithFile(GAppInfo *application, const QString &absolutePath, QString *error)
{
    // Handing GIO a GFile, not a command line, keeps the name one argument:
    // the desktop entry's field code receives it as a path or URI, unparsed.
    g_autoptr(GFile) file = fileForPath(absolutePath);
    GList files = {file, nullptr, nullptr};
    g_autoptr(GError) failure = nullptr;
    if (g_app_info_launch(application, &files, nullptr, &failure))
        return true;
    if (error)
        *error = QString::fromUtf8(failure->message);
    return false;
}

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
    if (commandLine.startsWith(openWithCommand))
        showOpenWith(commandLine.mid(openWithCommand.size()));
    else
        startDetached(commandLine);
}

void FreedesktopShell::showOpenWith(const QString &file)
{
    // Without a name there is nothing to choose an application for.
    if (file.isEmpty())
        return;
    auto *dialog = new OpenWithDialog(QDir::current().absoluteFilePath(file));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->showNormal();
    dialog->raise();
    dialog->activateWindow();
}

std::unique_ptr<Shell> createPlatformShell()
{
    return std::make_unique<FreedesktopShell>();
}

} // namespace documents
