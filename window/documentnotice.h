// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>

namespace window {

// A message over the window about a paper that did not open; for a document
// that was not found, with a button to look for it in another folder.
class DocumentNotice : public QMessageBox
{
    Q_OBJECT

public:
    // Opens the message over the window, which it holds until answered; the
    // focus then returns where it was. One at a time: none while another shows.
    static DocumentNotice *open(const QString &message, const QString &missingFile,
                                QWidget *window);

signals:
    // The user asked for another folder; sent once the message has closed.
    void lookInAnotherFolder(const QString &file);

protected:
    // A key held down answers the message once, with its first press: the
    // repeats of the Enter that opened it never reach its buttons.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    DocumentNotice(const QString &message, const QString &missingFile, QWidget *parent);

    QString m_file;
    QPushButton *m_anotherFolder;
};

} // namespace window
