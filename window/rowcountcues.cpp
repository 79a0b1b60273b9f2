// SPDX-License-Identifier: GPL-3.0-or-later
#include "rowcountcues.h"

#include "picklist.h"

#include "resultlist/readernotices.h"
#include "resultlist/reportlist.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace window {

RowCountCues::RowCountCues(resultlist::ReportList &list, QLineEdit &searchBox,
                           std::initializer_list<PickList *> pickLists,
                           std::initializer_list<QAbstractButton *> resets)
    : QObject(&list)
{
    resultlist::ReaderNotices *notices = &list.readerNotices();
    const auto settled = [notices] { notices->tellRowCount(); };
    for (PickList *pickList : pickLists)
        connect(pickList, &PickList::click, this, settled);
    for (QAbstractButton *reset : resets)
        connect(reset, &QAbstractButton::clicked, this, settled);
    // Only the user's own edits: a reset empties the box from code.
    connect(&searchBox, &QLineEdit::textEdited, this,
            [notices] { notices->tellRowCountAfterPause(); });
}

} // namespace window
