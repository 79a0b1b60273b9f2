// SPDX-License-Identifier: GPL-3.0-or-later
#include "pickselection.h"

namespace window {

namespace {

// Qt before 6.5 has no selection for a control to offer.
class NoSelection : public PickSelection
{
public:
    void *interfaceCast(QAccessible::InterfaceType /*type*/) override { return nullptr; }
};

} // namespace

std::unique_ptr<PickSelection> pickSelection(QComboBox * /*pickList*/)
{
    return std::make_unique<NoSelection>();
}

} // namespace window
