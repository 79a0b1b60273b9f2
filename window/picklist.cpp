// SPDX-License-Identifier: GPL-3.0-or-later
#include "picklist.h"

#include "errors/runtimeerror.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QKeyEvent>
#include <QWheelEvent>

namespace window {

namespace {

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
