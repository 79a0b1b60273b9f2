// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace selection {

// A control whose text the selection reads and sets: a drop-down list or the
// search box. Setting the text raises the control's event at once.
class TextControl
{
public:
    virtual ~TextControl() = default;
    virtual QString text() const = 0;
    virtual void setText(const QString &text) = 0;
};

} // namespace selection
