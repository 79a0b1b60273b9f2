// SPDX-License-Identifier: GPL-3.0-or-later
#include "picklistaccessible.h"

#include "picklist.h"
#include "pickselection.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>

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

} // namespace

QAccessibleInterface *pickListAccessible(const QString &className, QObject *object)
{
    auto *pickList = qobject_cast<PickList *>(object);
    if (pickList && className == QLatin1String(PickList::staticMetaObject.className()))
        return new PickListAccessible(pickList);
    return nullptr;
}

} // namespace window
