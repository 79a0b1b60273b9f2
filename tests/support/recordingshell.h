#pragma once

#include "documents/shell.h"
#include "errors/runtimeerror.h"

#include <QList>
#include <QString>

#include <optional>

// A shell that records every request and answers with a chosen code.
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
    };
    struct Started
    {
        QString commandLine;
        int windowStyle;
    };

    int execute(const QString &verb, const QString &file, const std::optional<QString> &parameters,
                const std::optional<QString> &directory, int showCommand) override
    {
        requests.append({verb, file, parameters, directory, showCommand});
        if (failToExecute)
            throw errors::OverflowError();
        return answer;
    }

    void startCommandLine(const QString &commandLine, int windowStyle) override
    {
        started.append({commandLine, windowStyle});
        if (failToStart)
            throw errors::FileNotFoundError();
    }

    int answer = 42;
    bool failToStart = false;
    bool failToExecute = false;
    QList<Request> requests;
    QList<Started> started;
};
