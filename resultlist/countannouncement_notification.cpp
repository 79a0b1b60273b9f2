// SPDX-License-Identifier: GPL-3.0-or-later
#include "countannouncement.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace resultlist {

namespace {

// An unseen control of the window that readers take for a notification,
// which Orca speaks, by its name, each time it shows. (The description change
// of a control, which Orca speaks too, reaches it from Qt 6.4 without its text.)
const QString noticeName = QStringLiteral("readerNotice");

QAccessibleInterface *noticeAccessible(const QString & /*key*/, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || widget->objectName() != noticeName)
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Notification);
}

QWidget &noticeOf(QWidget &window)
{
    if (auto *notice = window.findChild<QWidget *>(noticeName, Qt::FindDirectChildrenOnly))
        return *notice;
    static const bool installed = (QAccessible::installFactory(noticeAccessible), true);
    Q_UNUSED(installed);
    auto *notice = new QWidget(&window);
    notice->setObjectName(noticeName);
    notice->setGeometry(0, 0, 0, 0);
    return *notice;
}

} // namespace

void announceOnControl(QWidget &focused, const QString &message)
{
    QWidget &notice = noticeOf(*focused.window());
    notice.hide();
    notice.setAccessibleName(message);
    notice.show();
}

} // namespace resultlist
