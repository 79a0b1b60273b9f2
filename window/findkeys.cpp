// SPDX-License-Identifier: GPL-3.0-or-later
#include "findkeys.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>

namespace window {

FindKeys::FindKeys(QWidget &window, QLineEdit &searchBox, QAbstractButton &resetSearch)
    : QObject(&window)
    , m_searchBox(searchBox)
    , m_resetSearch(resetSearch)
{
    // A shortcut of the window alone: an open drop-down list, the menu and a
    // message are windows of their own, where the key keeps its meaning.
    auto *findKey = new QShortcut(QKeySequence::Find, &window);
    findKey->setContext(Qt::WindowShortcut);
    connect(findKey, &QShortcut::activated, this, &FindKeys::find);
    m_searchBox.installEventFilter(this);
}

void FindKeys::find()
{
    m_searchBox.setFocus(Qt::ShortcutFocusReason);
    m_searchBox.selectAll(); // typing replaces the text
}

bool FindKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || m_searchBox.text().isEmpty())
        return QObject::eventFilter(watched, event);
    if (!static_cast<QKeyEvent *>(event)->matches(QKeySequence::Cancel))
        return QObject::eventFilter(watched, event);
    // The button's own routine, so that the key empties the box as it does.
    m_resetSearch.click();
    return true;
}

} // namespace window
