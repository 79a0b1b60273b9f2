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
    , m_applications(new QListWidget(this))
    , m_placeholder(new QListWidgetItem)
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
    m_filter->setClearButtonEnabled(true);
    m_filter->installEventFilter(this);
    m_applications->setObjectName(QStringLiteral("applications"));
    m_applications->setAccessibleName(tr("Applications"));
    m_applications->setAccessibleDescription(fileLabel->text());
    m_applications->setIconSize(QSize(24, 24));
    m_alwaysUse->setObjectName(QStringLiteral("alwaysUse"));
    m_buttons->setObjectName(QStringLiteral("buttons"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fileLabel);
    layout->addWidget(typeLabel);
    auto *filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(m_filter);
    layout->addLayout(filterRow);
    layout->addWidget(m_applications);
    layout->addWidget(m_alwaysUse);
    layout->addWidget(m_buttons);
    resize(440, 500);

    fillApplications();
    connect(m_filter, &QLineEdit::textChanged, this, &OpenWithDialog::filterApplications);
    connect(m_applications, &QListWidget::currentItemChanged, this,
            &OpenWithDialog::updateOpenButton);
    connect(m_applications, &QListWidget::itemActivated, this, &OpenWithDialog::accept);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &OpenWithDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &OpenWithDialog::reject);
    filterApplications(QString());
    m_filter->setFocus();
}

void OpenWithDialog::fillApplications()
{
    for (const DesktopApplication &application : applicationsFor(m_type)) {
        auto *item = new QListWidgetItem(application.icon, application.name, m_applications);
        item->setData(idRole, application.id);
    }
    // Said in the list itself, where a screen reader reads it; never chosen.
    m_placeholder->setFlags(Qt::ItemIsEnabled);
    m_applications->addItem(m_placeholder);
}

void OpenWithDialog::filterApplications(const QString &text)
{
    QListWidgetItem *firstShown = nullptr;
    for (int row = 0; row < m_applications->count(); ++row) {
        QListWidgetItem *item = m_applications->item(row);
        if (item == m_placeholder)
            continue;
        item->setHidden(!item->text().contains(text, Qt::CaseInsensitive));
        if (!item->isHidden() && !firstShown)
            firstShown = item;
    }
    m_placeholder->setHidden(firstShown);
    m_placeholder->setText(
        m_applications->count() == 1
            ? tr("No applications are installed.")
            : tr("No application\u2019s name contains \u201c%1\u201d.").arg(text));
    QListWidgetItem *current = m_applications->currentItem();
    if (!current || current->isHidden() || current == m_placeholder)
        m_applications->setCurrentItem(firstShown ? firstShown : m_placeholder);
    updateOpenButton();
}

void OpenWithDialog::updateOpenButton()
{
    const QListWidgetItem *item = m_applications->currentItem();
    m_buttons->button(QDialogButtonBox::Open)->setEnabled(item && item != m_placeholder);
}

bool OpenWithDialog::eventFilter(QObject *watched, QEvent *event)
{
    // The arrow keys move through the list while the user types a filter.
    if (watched == m_filter && event->type() == QEvent::KeyPress
        && movesInList(static_cast<QKeyEvent *>(event))) {
        QApplication::sendEvent(m_applications, event);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void OpenWithDialog::accept()
{
    const QListWidgetItem *item = m_applications->currentItem();
    if (!item || item == m_placeholder)
        return;
    const QString id = item->data(idRole).toString();
    QString error;
    if (m_alwaysUse->isChecked() && !setDefaultFor(id, m_type, &error)) {
        tellFailure(tr("%1 could not be made the default for %2.")
                        .arg(item->text(), typeDescription(m_type)),
                    error);
        return;
    }
    if (!launchWithFile(id, m_path, &error)) {
        tellFailure(tr("\u201c%1\u201d could not be opened with %2.")
                        .arg(QFileInfo(m_path).fileName(), item->text()),
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
