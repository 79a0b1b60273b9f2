// SPDX-License-Identifier: GPL-3.0-or-later
#include "filemanager_freedesktop.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <QUrl>

namespace documents {

namespace {

// A file manager started for the call takes a moment; one that hangs must
// not hold the window for long.
constexpr int answerTimeout = 5000; // milliseconds

} // namespace

bool showItemsInFileManager(const QString &absolutePath)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    // The items as URIs, and no startup notification id.
    call << QStringList{QUrl::fromLocalFile(absolutePath).toString(QUrl::FullyEncoded)}
         << QString();
    const QDBusMessage reply =
        QDBusConnection::sessionBus().call(call, QDBus::Block, answerTimeout);
    return reply.type() == QDBusMessage::ReplyMessage;
}

} // namespace documents
