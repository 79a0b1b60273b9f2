// SPDX-License-Identifier: GPL-3.0-or-later
#include "picklist.h"

#include "pickselection.h"

#include "errors/runtimeerror.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QWheelEvent>

namespace window {

namespace {

// A pick list as assistive technology reads it: a combo box named by its
// label (its accessible name), whose value and read-only text are the shown
// entry. The whole entry counts as selected text, as in a list whose entry is
// highlighted, so that a reader speaks a new entry when it replaces the old;
// readers that follow the selection instead find the entry there.
class PickListAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit PickListAccessible(PickList *pickList)
        : QAccessibleWidget(pickList, QAccessible::ComboBox)
        , m_selection(pickSelection(pickList))
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (void *selection = m_selection->interfaceCast(type))
            return selection;
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Value ? shown() : QAccessibleWidget::text(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = pickList()->view()->isVisible();
        return state;
    }

    // The entries' own list, which the drop-down shows.
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(pickList()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == pickList()->view() ? 0 : -1;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override
    {
        if (action == showMenuAction() || action == pressAction())
            pickList()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = selectionIndex == 0 ? characterCount() : 0;
    }
    int selectionCount() const override { return characterCount() > 0 ? 1 : 0; }
    void addSelection(int /*startOffset*/, int /*endOffset*/) override {}
    void removeSelection(int /*selectionIndex*/) override {}
    void setSelection(int /*selectionIndex*/, int /*startOffset*/, int /*endOffset*/) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*position*/) override {}
    QString text(int startOffset, int endOffset) const override
    {
        return shown().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(shown().size()); }
    QRect characterRect(int /*offset*/) const override { return {}; }
    int offsetAtPoint(const QPoint & /*point*/) const override { return -1; }
    void scrollToSubstring(int /*startIndex*/, int /*endIndex*/) override {}
    QString attributes(int /*offset*/, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    PickList *pickList() const { return static_cast<PickList *>(widget()); }
    QString shown() const { return pickList()->currentText(); }

    std::unique_ptr<PickSelection> m_selection;
};

// The keys that close an open list and pick its highlighted entry.
bool picksHighlighted(const QKeyEvent &key)
{
    const bool alt = key.modifiers().testFlag(Qt::AltModifier);
    switch (key.key()) {
    case Qt::Key_F4:
    case Qt::Key_Return:
    case Qt::Key_Enter: return true;
    case Qt::Key_Up:
    case Qt::Key_Down: return alt;
    default: return false;
    }
}

} // namespace

QAccessibleInterface *pickListAccessible(const QString &className, QObject *object)
{
    auto *pickList = qobject_cast<PickList *>(object);
    if (pickList && className == QLatin1String(PickList::staticMetaObject.className()))
        return new PickListAccessible(pickList);
    return nullptr;
}

PickList::PickList(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(false);
    setFocusPolicy(Qt::StrongFocus);  // the wheel alone does not take the focus
    view()->installEventFilter(this); // ahead of Qt's own handling of the open list
    connect(this, &QComboBox::activated, this, &PickList::click);
    connect(this, &QComboBox::currentIndexChanged, this, &PickList::announceShownEntry);
}

void PickList::setText(const QString &text)
{
    const int entry = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (entry < 0)
        throw errors::PropertyReadOnlyError();
    setCurrentIndex(entry);
    emit click();
}

void PickList::wheelEvent(QWheelEvent *event)
{
    // Scrolling past the window must not change what it shows.
    if (hasFocus())
        QComboBox::wheelEvent(event);
    else
        event->ignore();
}

bool PickList::eventFilter(QObject *watched, QEvent *event)
{
    const bool keyEvent =
        event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (watched != view() || !keyEvent || !view()->isVisible())
        return QComboBox::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    const bool closes = picksHighlighted(*key) || key->matches(QKeySequence::Cancel);
    if (!closes)
        return QComboBox::eventFilter(watched, event);
    // Qt 6.4 only (kept while 6.4 is supported): it closes the list unpicked on
    // F4 and Alt+Down offered as shortcuts; claimed, they arrive as key presses.
    if (event->type() == QEvent::KeyPress)
        closeOpenList(picksHighlighted(*key));
    key->accept();
    return true;
}

void PickList::closeOpenList(bool pickHighlighted)
{
    const QModelIndex highlighted = view()->currentIndex();
    hidePopup();
    if (!pickHighlighted || !highlighted.isValid())
        return;
    setCurrentIndex(highlighted.row());
    emit click();
}

void PickList::announceShownEntry()
{
    // The new entry goes in before the old one comes out, so that a reader
    // takes it for the new text rather than for text the user deleted.
    const QString shown = currentText();
    if (QAccessible::isActive()) {
        QAccessibleTextInsertEvent inserted(this, 0, shown);
        QAccessible::updateAccessibility(&inserted);
        if (!m_lastAnnouncedEntry.isEmpty()) {
            QAccessibleTextRemoveEvent removed(this, int(shown.size()), m_lastAnnouncedEntry);
            QAccessible::updateAccessibility(&removed);
        }
    }
    m_lastAnnouncedEntry = shown;
}

} // namespace window
