// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktopapps.h"

#include <QDialog>

class QCheckBox;
class QDialogButtonBox;
class QLineEdit;
class QListWidget;

namespace documents {

// Lets the user choose the application to open one file with, optionally as
// the default for its type, and opens it.
class OpenWithDialog : public QDialog
{
    Q_OBJECT

public:
    explicit OpenWithDialog(const QString &absolutePath, QWidget *parent = nullptr);

    QString file() const { return m_path; }

    void accept() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void filterApplications(const QString &text);
    void addGroup(const QString &heading, const QList<DesktopApplication> &applications,
                  const QString &text, const QString &chosen);
    QString chosenId() const;
    void updateOpenButton();
    void tellFailure(const QString &what, const QString &why, bool thenClose = false);

    QString m_path;
    QByteArray m_type;
    QLineEdit *m_filter;
    ApplicationChoice m_applications;
    QListWidget *m_applicationList;
    QCheckBox *m_alwaysUse;
    QDialogButtonBox *m_buttons;
};

} // namespace documents
