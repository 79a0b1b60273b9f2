#pragma once

#include "shell.h"

// GIO's application type, declared as GIO declares it, so that users of this
// header need no GIO headers.
using GAppInfo = struct _GAppInfo;

namespace documents {

// The shell of freedesktop.org desktops: documents open in the application
// that the desktop's mime associations, read through GIO, name for their type.
class FreedesktopShell : public Shell
{
public:
    int execute(const QString &verb, const QString &file, const std::optional<QString> &parameters,
                const std::optional<QString> &directory, int showCommand) override;
    void startCommandLine(const QString &commandLine, int windowStyle) override;

private:
    void showOpenWith(const QString &file);
};

// The content type GIO gives the file at the absolute path, or an empty text
// when it cannot read the file (above all, when it does not exist).
QByteArray contentTypeOf(const QString &absolutePath);

// Starts the application with the file at the absolute path as its one
// document, without a shell and without waiting. On failure returns false and
// describes why in error.
bool launchWithFile(GAppInfo *application, const QString &absolutePath, QString *error);

} // namespace documents
