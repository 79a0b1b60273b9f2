// SPDX-License-Identifier: GPL-3.0-or-later
#include "pickselection.h"

#include <QAbstractItemView>
#include <QComboBox>

namespace window {

namespace {

// The shown entry as the one selected item; readers cannot pick through it.
class OfferedSelection : public PickSelection, public QAccessibleSelectionInterface
{
public:
    explicit OfferedSelection(QComboBox *pickList)
        : m_pickList(pickList)
    {
    }

    void *interfaceCast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::SelectionInterface
                   ? static_cast<QAccessibleSelectionInterface *>(this)
                   : nullptr;
    }

    int selectedItemCount() const override { return shownItem() ? 1 : 0; }
    QList<QAccessibleInterface *> selectedItems() const override
    {
        QAccessibleInterface *item = shownItem();
        return item ? QList{item} : QList<QAccessibleInterface *>{};
    }
    bool select(QAccessibleInterface * /*childItem*/) override { return false; }
    bool unselect(QAccessibleInterface * /*childItem*/) override { return false; }
    bool selectAll() override { return false; }
    bool clear() override { return false; }

private:
    QAccessibleInterface *shownItem() const
    {
        QAccessibleInterface *entries = QAccessible::queryAccessibleInterface(m_pickList->view());
        QAccessibleTableInterface *table = entries ? entries->tableInterface() : nullptr;
        const int shown = m_pickList->currentIndex();
        return table && shown >= 0 ? table->cellAt(shown, 0) : nullptr;
    }

    QComboBox *m_pickList;
};

} // namespace

std::unique_ptr<PickSelection> pickSelection(QComboBox *pickList)
{
    return std::make_unique<OfferedSelection>(pickList);
}

} // namespace window
