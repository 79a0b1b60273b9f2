// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>

#include <memory>

class QComboBox;

namespace window {

// A pick list's shown entry as assistive technology reads the list's
// selection: the item of the entries' list that the pick list shows. Readers
// that follow selection events speak a new pick from it; others go by the
// pick list's text. Qt lets a control offer a selection from 6.5 on; one
// backend per Qt version, picked by the build, offers it or nothing.
class PickSelection
{
public:
    virtual ~PickSelection() = default;
    // The selection interface where `type` asks for it and Qt has one, else null.
    virtual void *interfaceCast(QAccessible::InterfaceType type) = 0;
};

std::unique_ptr<PickSelection> pickSelection(QComboBox *pickList);

} // namespace window
