// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "selection/textcontrol.h"

#include <QLineEdit>

namespace window {

// The single-line search box; it raises textChanged whenever its text changes.
class SearchBox : public QLineEdit, public selection::TextControl
{
    Q_OBJECT

public:
    explicit SearchBox(QWidget *parent = nullptr)
        : QLineEdit(parent)
    {
    }

    QString text() const override { return QLineEdit::text(); }
    void setText(const QString &text) override { QLineEdit::setText(text); }
};

} // namespace window
