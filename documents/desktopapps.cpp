// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktopapps.h"

#include <QCoreApplication>
#include <QFile>
#include <QMimeDatabase>
#include <QSet>

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include <algorithm>

namespace documents {

namespace {

GFile *fileForPath(const QString &absolutePath)
{
    return g_file_new_for_path(QFile::encodeName(absolutePath).constData());
}

QIcon iconOf(GAppInfo *application)
{
    GIcon *icon = g_app_info_get_icon(application);
    if (icon && G_IS_THEMED_ICON(icon)) {
        for (auto name = g_themed_icon_get_names(G_THEMED_ICON(icon)); *name; ++name) {
            if (QIcon::hasThemeIcon(QString::fromUtf8(*name)))
                return QIcon::fromTheme(QString::fromUtf8(*name));
        }
    } else if (icon && G_IS_FILE_ICON(icon)) {
        g_autofree char *path = g_file_get_path(g_file_icon_get_file(G_FILE_ICON(icon)));
        if (path)
            return QIcon(QFile::decodeName(path));
    }
    return QIcon::fromTheme(QStringLiteral("application-x-executable"));
}

DesktopApplication describe(GAppInfo *application)
{
    return {QString::fromUtf8(g_app_info_get_id(application)),
            QString::fromUtf8(g_app_info_get_display_name(application)), iconOf(application)};
}

// GIO's messages start in lower case and may end without a full stop.
QString sentence(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    return text;
}

QString failureText(const GError *failure)
{
    return sentence(QString::fromUtf8(failure->message));
}

QString notInstalled()
{
    return sentence(
        QCoreApplication::translate("documents", "the application is no longer installed"));
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

QByteArray contentTypeFor(const QString &absolutePath)
{
    const QByteArray type = contentTypeOf(absolutePath);
    if (!type.isEmpty())
        return type;
    g_autofree char *guessed =
        g_content_type_guess(QFile::encodeName(absolutePath).constData(), nullptr, 0, nullptr);
    return guessed;
}

QString typeDescription(const QByteArray &type)
{
    // Qt reads the same shared MIME database as GIO, whose content types on
    // these desktops are MIME types.
    const QMimeType mimeType = QMimeDatabase().mimeTypeForName(QString::fromUtf8(type));
    return mimeType.comment().isEmpty() ? QString::fromUtf8(type) : mimeType.comment();
}

ApplicationChoice applicationsFor(const QByteArray &type)
{
    QSet<QString> listed;
    auto take = [&listed](GList *applications, bool shownOnly) {
        QList<DesktopApplication> taken;
        for (GList *entry = applications; entry; entry = entry->next) {
            auto *application = static_cast<GAppInfo *>(entry->data);
            const QString id = QString::fromUtf8(g_app_info_get_id(application));
            if (id.isEmpty() || listed.contains(id)
                || (shownOnly && !g_app_info_should_show(application)))
                continue;
            listed.insert(id);
            taken.append(describe(application));
        }
        return taken;
    };
    g_autolist(GAppInfo) forType = g_app_info_get_recommended_for_type(type.constData());
    g_autolist(GAppInfo) all = g_app_info_get_all();
    g_autoptr(GAppInfo) byDefault = g_app_info_get_default_for_type(type.constData(), FALSE);
    ApplicationChoice choice{take(forType, false), take(all, true),
                             byDefault ? QString::fromUtf8(g_app_info_get_id(byDefault))
                                       : QString()};
    std::sort(choice.others.begin(), choice.others.end(),
              [](const DesktopApplication &a, const DesktopApplication &b) {
                  return QString::localeAwareCompare(a.name, b.name) < 0;
              });
    return choice;
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
        *error = failureText(failure);
    return false;
}

bool launchWithFile(const QString &applicationId, const QString &absolutePath, QString *error)
{
    g_autoptr(GDesktopAppInfo) application = g_desktop_app_info_new(applicationId.toUtf8());
    if (application)
        return launchWithFile(G_APP_INFO(application), absolutePath, error);
    if (error)
        *error = notInstalled();
    return false;
}

bool setDefaultFor(const QString &applicationId, const QByteArray &type, QString *error)
{
    g_autoptr(GDesktopAppInfo) application = g_desktop_app_info_new(applicationId.toUtf8());
    g_autoptr(GError) failure = nullptr;
    if (application
        && g_app_info_set_as_default_for_type(G_APP_INFO(application), type.constData(), &failure))
        return true;
    if (error)
        *error = application ? failureText(failure) : notInstalled();
    return false;
}

} // namespace documents
