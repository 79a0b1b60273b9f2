// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <initializer_list>

class QAbstractButton;
class QLineEdit;

namespace resultlist {
class ReportList;
}

namespace window {

class PickList;

// When screen readers are told how many rows the list shows: after a pick in
// a drop-down list and after a reset button, once the list is rebuilt; while
// the user types in the search box, once the typing pauses.
class RowCountCues : public QObject
{
    Q_OBJECT

public:
    RowCountCues(resultlist::ReportList &list, QLineEdit &searchBox,
                 std::initializer_list<PickList *> pickLists,
                 std::initializer_list<QAbstractButton *> resets);
};

} // namespace window
