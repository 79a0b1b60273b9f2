// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QIcon>
#include <QList>
#include <QString>

// GIO's application type, declared as GIO declares it, so that users of this
// header need no GIO headers.
using GAppInfo = struct _GAppInfo;

namespace documents {

// An application the desktop offers for documents, as a chooser lists it.
struct DesktopApplication
{
    QString id;
    QString name;
    QIcon icon;
};

// The content type GIO gives the file at the absolute path, or an empty text
// when it cannot read the file (above all, when it does not exist).
QByteArray contentTypeOf(const QString &absolutePath);

// The content type of the file, judged by its name alone when it cannot be read.
QByteArray contentTypeFor(const QString &absolutePath);

// The desktop's description of the content type, such as "PDF document".
QString typeDescription(const QByteArray &type);

// The applications a chooser offers for a type, each once: GIO's
// recommendations in its own order, every other one meant to be shown by name,
// and the id of the type's default, empty when it has none.
struct ApplicationChoice
{
    QList<DesktopApplication> recommended;
    QList<DesktopApplication> others;
    QString defaultId;
};
ApplicationChoice applicationsFor(const QByteArray &type);

// Starts the application with the file at the absolute path as its one
// document, without a shell and without waiting. On failure returns false and
// describes why in error, as a sentence.
bool launchWithFile(GAppInfo *application, const QString &absolutePath, QString *error);

// The same for the application with the desktop entry id.
bool launchWithFile(const QString &applicationId, const QString &absolutePath, QString *error);

// Makes the application the desktop's default for the content type.
bool setDefaultFor(const QString &applicationId, const QByteArray &type, QString *error);

} // namespace documents
