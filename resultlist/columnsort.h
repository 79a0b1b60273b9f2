// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sorttarget.h"

namespace resultlist {

// Sort the list by the clicked column, or reverse the direction when it is
// already the sort column; headers count from 1. A step that fails is
// skipped, so drawing always resumes and the pointer always comes back.
void ListView1_ColumnClick(SortTarget &list, int headerIndex);

} // namespace resultlist
