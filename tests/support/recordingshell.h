// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "designfacts.h"

#include "documents/shell.h"
#include "errors/runtimeerror.h"

#include <QFileInfo>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// A shell that records every request and answers with a chosen code, or
// passes each on to a real shell and answers with its code. Its folder
// chooser is never the real one: it answers with the folder set beforehand.
class RecordingShell : public documents::Shell
{
public:
    struct Request
    {
        QString verb;
        QString file;
        std::optional<QString> parameters;
        std::optional<QString> directory;
        int showCommand;
        int code; // the answer given
    };
    struct Started
    {
        QString commandLine;
        int windowStyle;
    };

    int execute(const QString &verb, const QString &file, const std::optional<QString> &parameters,
                const std::optional<QString> &directory, int showCommand) override
    {
        const int code = forwardTo
                             ? forwardTo->execute(verb, file, parameters, directory, showCommand)
                         : missingUnlessThere && !QFileInfo::exists(file) ? facts::fileNotFound
                                                                          : answer;
        requests.append({verb, file, parameters, directory, showCommand, code});
        if (failToExecute)
            failToExecute();
        return code;
    }

    void startCommandLine(const QString &commandLine, int windowStyle) override
    {
        // A real shell that cannot start it throws before it is recorded.
        if (forwardTo)
            forwardTo->startCommandLine(commandLine, windowStyle);
        started.append({commandLine, windowStyle});
        if (failToStart)
            throw errors::FileNotFoundError();
    }

    std::optional<QString> chooseFolder(const QString &title, const QString &startFolder) override
    {
        folderRequests.append({title, startFolder});
        return folderChosen;
    }

    int showInFolder(const QString &file) override
    {
        const int code = forwardTo ? forwardTo->showInFolder(file) : answer;
        shownInFolder.append(file);
        return code;
    }

    int answer = 42;
    bool missingUnlessThere = false;     // a file not in the current folder is not found
    std::optional<QString> folderChosen; // none: the user cancels
    QList<QStringList> folderRequests;   // each one's title and start folder
    bool failToStart = false;
    std::function<void()> failToExecute; // throws, once the request is recorded
    std::unique_ptr<documents::Shell> forwardTo;
    QList<Request> requests;
    QList<Started> started;
    QStringList shownInFolder;
};
