// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/catalogue.h"

#include <cstdint>

namespace resultlist {

class ReportList;

// Writes catalogue rows into the result list: the file in blue, then author,
// title, track, session and timeslot.
class RowWriter
{
public:
    RowWriter(const catalogue::Catalogue &state, ReportList &list);

    // Empty the list and write every row that passes the category filters.
    void skrivposter();
    // Append the list row of catalogue row x.
    void skrivlinie(std::int16_t x);

private:
    const catalogue::Catalogue &m_state;
    ReportList &m_list;
};

} // namespace resultlist
