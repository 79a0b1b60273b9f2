// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QSize>
#include <QString>

#include <random>

namespace randomsession {

// One thing a user does, with everything needed to do it again.
struct Action
{
    // Grouped by the control they act on: the drop-down lists, the search
    // box, the two buttons, the list and the window.
    enum Kind {
        PickByKeys,
        PickByWheel,
        PickFromPopup,
        CancelPopup,
        Type,
        Compose,
        Backspace,
        DeleteForward,
        Home,
        End,
        SelectAllDelete,
        Paste,
        PasteOverAll,
        ResetSearch,
        ResetSort,
        ClickHeader,
        ClickRow,
        DoubleClickRow,
        ClickEmpty,
        DoubleClickEmpty,
        KeyInList,
        Resize,
        Minimise,
        Restore,
        ShellAnswer,
    };

    Kind kind;
    int number = 0; // drop-down list, count, column, row position or shell answer
    int other = 0;  // wheel direction, cell column, repeats, "by keyboard" or list closing
    QString text = {};
    int key = 0;
    Qt::KeyboardModifiers modifiers = {};
    QSize size = {};
};

// The text with whatever is not plain ASCII written as code points.
QString quoted(const QString &text);
// The action as a user would be told to do it again.
QString describe(const Action &a);
const char *kindName(Action::Kind kind);

class Session;
// Picks the actions of a session from one seeded generator.
class ActionSource
{
public:
    explicit ActionSource(quint32 seed)
        : m_random(seed)
    {
    }

    Action next(const Session &session);

private:
    int below(int n) { return int(m_random() % quint32(n)); }
    bool chance(int percent) { return below(100) < percent; }
    template<typename T>
    const T &oneOf(const QList<T> &items)
    {
        return items[below(int(items.size()))];
    }

    Action widening(const Session &session);
    Action dropDownAction(const Session &session);
    int closing(bool picks);
    Action searchAction(const Session &session);
    Action listAction(const Session &session);
    Action windowAction(const Session &session);
    QString someText(bool mayBeLong);
    QString fragment();
    QString changeCase(QString text);
    QString longText();
    QSize someSize();

    std::mt19937 m_random;
};

} // namespace randomsession
