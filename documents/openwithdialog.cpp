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
    , m_applications(applicationsFor(m_type))
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
// a screen reader finds no others; the chosen one stays chosen while shown,
// and before any choice the type's default is.
void OpenWithDialog::filterApplications(const QString &text)
{
    const QString chosen = m_applicationList->currentItem() ? chosenId() : m_applications.defaultId;
    m_applicationList->clear();
    addGroup(tr("Recommended Applications"), m_applications.recommended, text, chosen);
    addGroup(tr("Other Applications"), m_applications.others, text, chosen);
    if (m_applicationList->count() == 0) {
        // Said in the list itself, where a screen reader reads it; never chosen.
        const bool none = m_applications.recommended.isEmpty() && m_applications.others.isEmpty();
        const QString nothing =
            none ? tr("No applications are installed.")
                 : tr("No application\u2019s name contains \u201c%1\u201d.").arg(text);
        new QListWidgetItem(nothing, m_applicationList);
        m_applicationList->item(0)->setFlags(Qt::ItemIsEnabled);
    }
    for (int row = 0; !m_applicationList->currentItem() && row < m_applicationList->count();
         ++row) {
        if (m_applicationList->item(row)->flags() != Qt::NoItemFlags)
            m_applicationList->setCurrentRow(row);
    }
    updateOpenButton();
}

// The group's applications that the text finds, under their heading, which
// the keys pass over and nobody chooses.
void OpenWithDialog::addGroup(const QString &heading, const QList<DesktopApplication> &applications,
                              const QString &text, const QString &chosen)
{
    QListWidgetItem *title = nullptr;
    for (const DesktopApplication &application : applications) {
        if (!application.name.contains(text, Qt::CaseInsensitive))
            continue;
        if (!title) {
            title = new QListWidgetItem(heading, m_applicationList);
            title->setFlags(Qt::NoItemFlags);
            QFont bold = title->font();
            bold.setBold(true);
            title->setFont(bold);
        }
        auto *item = new QListWidgetItem(application.icon, application.name, m_applicationList);
        item->setData(idRole, application.id);
        if (application.id == chosen)
            m_applicationList->setCurrentItem(item);
    }
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
    if (!launchWithFile(id, m_path, &error)) {
        tellFailure(tr("\u201c%1\u201d could not be opened with %2.")
                        .arg(QFileInfo(m_path).fileName(), name),
                    error);
        return;
    }
    // GIO's reason names the temporary file it could not write; the user
    // needs only to know that the choice holds this once.
    if (m_alwaysUse->isChecked() && !setDefaultFor(id, m_type, nullptr)) {
        tellFailure(
            tr("%1 could not be made the default for %2.").arg(name, typeDescription(m_type)),
            tr("The desktop\u2019s settings cannot be saved. The document opens with %1 this "
               "once.")
                .arg(name),
            true);
        return;
    }
    QDialog::accept();
}

// The chooser stays open, so that another application can be chosen; or,
// once the document has opened, closes with the message.
void OpenWithDialog::tellFailure(const QString &what, const QString &why, bool thenClose)
{
    auto *box = new QMessageBox(QMessageBox::Warning, windowTitle(), what, QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("failure"));
    box->setInformativeText(why);
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (thenClose)
        connect(box, &QDialog::finished, this, [this] { QDialog::accept(); });
    box->open();
}

} // namespace documents
