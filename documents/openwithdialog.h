#pragma once

#include <QDialog>

class QDialogButtonBox;
class QListWidget;

namespace documents {

// Lets the user choose the application to open one file with, and opens it.
class OpenWithDialog : public QDialog
{
    Q_OBJECT

public:
    explicit OpenWithDialog(const QString &absolutePath, QWidget *parent = nullptr);

    QString file() const { return m_path; }

    void accept() override;

private:
    void fillApplications();
    void updateOpenButton();

    QString m_path;
    QListWidget *m_applications;
    QDialogButtonBox *m_buttons;
};

} // namespace documents
