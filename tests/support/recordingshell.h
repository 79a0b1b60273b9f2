// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "documents/shell.h"
#include "errors/runtimeerror.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// A shell that records every request and answers with a chosen code, or
// passes each on to a real shell and answers with its code.
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
        const int code =
            forwardTo ? forwardTo->execute(verb, file, parameters, directory, showCommand) : answer;
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

    int showInFolder(const QString &file) override
    {
        const int code = forwardTo ? forwardTo->showInFolder(file) : answer;
        shownInFolder.append(file);
        return code;
    }

    int answer = 42;
    bool failToStart = false;
    std::function<void()> failToExecute; // throws, once the request is recorded
    std::unique_ptr<documents::Shell> forwardTo;
    QList<Request> requests;
    QList<Started> started;
    QStringList shownInFolder;
};
