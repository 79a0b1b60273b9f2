// SPDX-License-Identifier: GPL-3.0-or-later
#include "documentnotice.h"

#include <QKeyEvent>
#include <QPushButton>

namespace window {

DocumentNotice::DocumentNotice(const QString &message, const QString &missingFile, QWidget *parent)
    : QMessageBox(QMessageBox::Warning, parent->windowTitle(), message, QMessageBox::Ok, parent)
    , m_file(missingFile)
    , m_anotherFolder(
          missingFile.isEmpty()
              ? nullptr
              : addButton(QStringLiteral("&Look in Another Folder\u2026"), QMessageBox::AcceptRole))
{
    setObjectName(QStringLiteral("notice"));
    setAttribute(Qt::WA_DeleteOnClose);
    setDefaultButton(QMessageBox::Ok);
    // With two buttons that accept, Escape would answer with neither.
    setEscapeButton(QMessageBox::Ok);
    for (QAbstractButton *answer : buttons())
        answer->installEventFilter(this);
    if (m_anotherFolder) {
        m_anotherFolder->setObjectName(QStringLiteral("anotherFolder"));
        connect(this, &QDialog::finished, this, [this] {
            if (clickedButton() == m_anotherFolder)
                emit lookInAnotherFolder(m_file);
        });
    }
}

DocumentNotice *DocumentNotice::open(const QString &message, const QString &missingFile,
                                     QWidget *window)
{
    for (const DocumentNotice *shown : window->findChildren<DocumentNotice *>()) {
        if (shown->isVisible())
            return nullptr;
    }
    auto *notice = new DocumentNotice(message, missingFile, window);
    notice->QMessageBox::open();
    return notice;
}

bool DocumentNotice::eventFilter(QObject *watched, QEvent *event)
{
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (key && static_cast<QKeyEvent *>(event)->isAutoRepeat())
        return true;
    return QMessageBox::eventFilter(watched, event);
}

} // namespace window
