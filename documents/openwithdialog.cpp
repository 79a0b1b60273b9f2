#include "openwithdialog.h"

#include "shell_freedesktop.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QVBoxLayout>

// GIO's headers use signals as a name, which Qt defines as a keyword.
#undef signals
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#define signals Q_SIGNALS

#include <algorithm>
#include <cstdio>

namespace documents {

namespace {

constexpr int idRole = Qt::UserRole;

struct Application
{
    QString id;
    QString name;
    QIcon icon;
};

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
    return {};
}

Application describe(GAppInfo *application)
{
    return {QString::fromUtf8(g_app_info_get_id(application)),
            QString::fromUtf8(g_app_info_get_display_name(application)), iconOf(application)};
}

// A file that cannot be read is judged by its name alone.
QByteArray contentTypeFor(const QString &path)
{
    const QByteArray type = contentTypeOf(path);
    if (!type.isEmpty())
        return type;
    g_autofree char *guessed =
        g_content_type_guess(QFile::encodeName(path).constData(), nullptr, 0, nullptr);
    return guessed;
}

// GIO's recommendations for the type in its own order, then every other
// application meant to be shown, by name; each application once.
QList<Application> applicationsFor(const QByteArray &type)
{
    QSet<QString> listed;
    auto take = [&listed](GList *applications, bool shownOnly) {
        QList<Application> taken;
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
    const QList<Application> recommended = take(forType, false);
    QList<Application> others = take(all, true);
    std::sort(others.begin(), others.end(), [](const Application &a, const Application &b) {
        return QString::localeAwareCompare(a.name, b.name) < 0;
    });
    return recommended + others;
}

} // namespace

OpenWithDialog::OpenWithDialog(const QString &absolutePath, QWidget *parent)
    : QDialog(parent)
    , m_path(absolutePath)
    , m_applications(new QListWidget(this))
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, this))
{
    setObjectName(QStringLiteral("openWithDialog"));
    setWindowTitle(tr("Open With"));

    auto *label = new QLabel(
        tr("Choose the application to open \u201c%1\u201d with:").arg(QFileInfo(m_path).fileName()),
        this);
    label->setObjectName(QStringLiteral("fileLabel"));
    label->setWordWrap(true);
    m_applications->setObjectName(QStringLiteral("applications"));
    m_buttons->setObjectName(QStringLiteral("buttons"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_applications);
    layout->addWidget(m_buttons);
    resize(420, 460);

    fillApplications();
    connect(m_applications, &QListWidget::currentItemChanged, this,
            &OpenWithDialog::updateOpenButton);
    connect(m_applications, &QListWidget::itemDoubleClicked, this, &OpenWithDialog::accept);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &OpenWithDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &OpenWithDialog::reject);
    m_applications->setCurrentRow(0);
    updateOpenButton();
}

void OpenWithDialog::fillApplications()
{
    for (const Application &application : applicationsFor(contentTypeFor(m_path))) {
        auto *item = new QListWidgetItem(application.icon, application.name, m_applications);
        item->setData(idRole, application.id);
    }
}

void OpenWithDialog::updateOpenButton()
{
    m_buttons->button(QDialogButtonBox::Open)->setEnabled(m_applications->currentItem());
}

void OpenWithDialog::accept()
{
    const QListWidgetItem *item = m_applications->currentItem();
    if (!item)
        return;
    const QByteArray id = item->data(idRole).toString().toUtf8();
    g_autoptr(GDesktopAppInfo) application = g_desktop_app_info_new(id.constData());
    QString error = tr("the application is no longer installed");
    // As with the document itself, a failure is reported on the terminal only.
    if (!application || !launchWithFile(G_APP_INFO(application), m_path, &error)) {
        std::fprintf(stderr, "brevanor: cannot open \"%s\" with %s: %s\n",
                     QFile::encodeName(m_path).constData(), id.constData(),
                     error.toLocal8Bit().constData());
    }
    QDialog::accept();
}

} // namespace documents
