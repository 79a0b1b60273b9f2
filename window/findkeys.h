// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QAbstractButton;
class QLineEdit;
class QWidget;

namespace window {

// The keys that take the user to the search: the platform's Find key, from
// anywhere in the window, to the search box with its text selected; Escape in
// the box, while it holds text, presses "Reset Search".
class FindKeys : public QObject
{
    Q_OBJECT

public:
    FindKeys(QWidget &window, QLineEdit &searchBox, QAbstractButton &resetSearch);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void find();

    QLineEdit &m_searchBox;
    QAbstractButton &m_resetSearch;
};

} // namespace window
