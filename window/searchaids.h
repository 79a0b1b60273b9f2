// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "findkeys.h"
#include "rowcountcues.h"

namespace window {

// What helps keyboard and screen-reader users with the search, beside its
// routines: the keys that reach the search box and empty it, and the moments
// the list's row count is told. Both belong to the window, which deletes them.
class SearchAids
{
public:
    SearchAids(QWidget &window, QLineEdit &searchBox, std::initializer_list<PickList *> pickLists,
               QAbstractButton &resetSearch, QAbstractButton &resetSort,
               resultlist::ReportList &list)
    {
        new FindKeys(window, searchBox, resetSearch);
        new RowCountCues(list, searchBox, pickLists, {&resetSearch, &resetSort});
    }
};

} // namespace window
