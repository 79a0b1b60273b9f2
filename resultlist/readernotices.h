// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class QTreeView;

namespace resultlist {

// What screen readers are told of the list as it changes, each at its time.
// While the list has the focus, readers follow its current row; a rebuild
// must neither leave them on a cell that is gone nor speak an old one after
// the new rows, and a sort is spoken after the row the rebuild makes current.
// How many rows the list shows is its description, and is told, while the
// user is on another control, once each change of theirs settles.
class ReaderNotices : public QObject
{
    Q_OBJECT

public:
    explicit ReaderNotices(QTreeView &list);

    // Rebuilds the list by running replaceRows and then showSort (which sets
    // the header's sort indicator): readers are first taken off the cells,
    // the cells made for the old rows are let go, and a changed sort is
    // described on the headers at once and spoken once the events in hand
    // have run.
    void rebuild(const std::function<void()> &replaceRows, const std::function<void()> &showSort);
    // The list has gained the focus: its current row is spoken once the
    // events in hand have run, after the list's own focus.
    void focusArrived();
    // Tells how many rows the list shows ("5 rows", "1 row", "No rows") once
    // the events in hand have run; after a pause, once no other call has come
    // for about 0.7 seconds, so that a reader first echoes each typed key.
    // One telling for the calls of each pause.
    void tellRowCount();
    void tellRowCountAfterPause();

    static QString rowCountText(int rows);

signals:
    void rowDue(QPrivateSignal);
    void sortDue(QPrivateSignal);

private:
    void describeSortChange(int previousColumn);
    void announceFocusedRow();
    void announceSortColumn();
    bool readerFollowsCurrentRow() const;
    void announceRowCount();

    QTreeView &m_list;
    QTimer m_countDue;
};

} // namespace resultlist
