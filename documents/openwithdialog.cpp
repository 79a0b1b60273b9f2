// SPDX-License-Identifier: GPL-3.0-or-later
#include "openwithdialog.h"

#include "desktopapps.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace documents {

namespace {

constexpr int idRole = Qt::UserRole;

QLabel *makeLabel(const QString &text, const char *name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

bool movesInList(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: return true;
    default: return false;
    }
}

} // namespace

OpenWithDialog::OpenWithDialog(const QString &absolutePath, QWidget *parent)
    : QDialog(parent)
    , m_path(absolutePath)
    , m_type(contentTypeFor(absolutePath))
    , m_filter(new QLineEdit(this))
    , m_allApplications(applicationsFor(m_type))
    , m_applicationList(new QListWidget(this))
    , m_alwaysUse(new QCheckBox(tr("&Always use this application for this kind of file"), this))
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, this))
{
    setObjectName(QStringLiteral("openWithDialog"));
    setWindowTitle(tr("Open With"));

    const QString name = QFileInfo(m_path).fileName();
    QLabel *fileLabel = makeLabel(
        tr("Choose the application to open \u201c%1\u201d with:").arg(name), "fileLabel", this);
    QLabel *typeLabel =
        makeLabel(tr("Type: %1 (%2)").arg(typeDescription(m_type), QString::fromUtf8(m_type)),
                  "typeLabel", this);
    auto *filterLabel = new QLabel(tr("&Find:"), this);
    filterLabel->setBuddy(m_filter);
    m_filter->setObjectName(QStringLiteral("filter"));
    m_filter->setAccessibleName(tr("Find an application"));
    m_filter->setPlaceholderText(tr("Type to narrow the list"));
    m_filter->installEventFilter(this);
    m_applicationList->setObjectName(QStringLiteral("applications"));
    m_applicationList->setAccessibleName(tr("Applications"));
    m_applicationList->setIconSize(QSize(24, 24));
    m_alwaysUse->setObjectName(QStringLiteral("alwaysUse"));
    m_buttons->setObjectName(QStringLiteral("buttons"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fileLabel);
    layout->addWidget(typeLabel);
    auto *filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(m_filter);
    layout->addLayout(filterRow);
    layout->addWidget(m_applicationList);
    layout->addWidget(m_alwaysUse);
    layout->addWidget(m_buttons);
    resize(440, 500);

    connect(m_filter, &QLineEdit::textChanged, this, &OpenWithDialog::filterApplications);
    connect(m_applicationList, &QListWidget::currentItemChanged, this,
            &OpenWithDialog::updateOpenButton);
    connect(m_applicationList, &QListWidget::itemActivated, this, &OpenWithDialog::accept);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &OpenWithDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &OpenWithDialog::reject);
    filterApplications(QString());
    m_filter->setFocus();
}

// The list holds only the applications whose names contain the text, so that
// a screen reader finds no others; the chosen one stays chosen while shown.
void OpenWithDialog::filterApplications(const QString &text)
{
    const QString chosen = chosenId();
    m_applicationList->clear();
    for (const DesktopApplication &application : std::as_const(m_allApplications)) {
        if (!application.name.contains(text, Qt::CaseInsensitive))
            continue;
        auto *item = new QListWidgetItem(application.icon, application.name, m_applicationList);
        item->setData(idRole, application.id);
        if (application.id == chosen)
            m_applicationList->setCurrentItem(item);
    }
    if (m_applicationList->count() == 0) {
        // Said in the list itself, where a screen reader reads it; never chosen.
        const QString nothing =
            m_allApplications.isEmpty()
                ? tr("No applications are installed.")
                : tr("No application\u2019s name contains \u201c%1\u201d.").arg(text);
        new QListWidgetItem(nothing, m_applicationList);
        m_applicationList->item(0)->setFlags(Qt::ItemIsEnabled);
    }
    if (!m_applicationList->currentItem())
        m_applicationList->setCurrentRow(0);
    updateOpenButton();
}

QString OpenWithDialog::chosenId() const
{
    const QListWidgetItem *item = m_applicationList->currentItem();
    return item ? item->data(idRole).toString() : QString();
}

void OpenWithDialog::updateOpenButton()
{
    m_buttons->button(QDialogButtonBox::Open)->setEnabled(!chosenId().isEmpty());
}

bool OpenWithDialog::eventFilter(QObject *watched, QEvent *event)
{
    // The arrow keys move through the list while the user types a filter.
    if (watched == m_filter && event->type() == QEvent::KeyPress
        && movesInList(static_cast<QKeyEvent *>(event))) {
        QApplication::sendEvent(m_applicationList, event);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void OpenWithDialog::accept()
{
    const QString id = chosenId();
    if (id.isEmpty())
        return;
    const QString name = m_applicationList->currentItem()->text();
    QString error;
    if (m_alwaysUse->isChecked() && !setDefaultFor(id, m_type, &error)) {
        tellFailure(
            tr("%1 could not be made the default for %2.").arg(name, typeDescription(m_type)),
            error);
        return;
    }
    if (!launchWithFile(id, m_path, &error)) {
        tellFailure(tr("\u201c%1\u201d could not be opened with %2.")
                        .arg(QFileInfo(m_path).fileName(), name),
                    error);
        return;
    }
    QDialog::accept();
}

// The chooser stays open, so that another application can be chosen.
void OpenWithDialog::tellFailure(const QString &what, const QString &why)
{
    auto *box = new QMessageBox(QMessageBox::Warning, windowTitle(), what, QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("failure"));
    box->setInformativeText(why);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace documents
