// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/catalogue.h"

#include <cstdint>

namespace resultlist {
class RowWriter;
}

namespace selection {

class TextControl;
class TextSearch;

// The drop-down lists that narrow the list to one track, timeslot and session.
class CategoryFilters
{
public:
    struct PickLists
    {
        TextControl &tracks;
        TextControl &timeslots;
        TextControl &sessions;
    };

    CategoryFilters(catalogue::Catalogue &state, resultlist::RowWriter &rowWriter,
                    const PickLists &pickLists, TextControl &searchBox, TextSearch &search);

    // A track, timeslot or session was picked.
    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click();
    // Recompute which rows pass the three filters, rebuild the list and apply
    // the search text.
    void tjekalle();
    // Mark every row visible and append every row to the list.
    void indlaesalle();
    // "Reset Sort Criteria": every track, timeslot and session again.
    void Command2_Click();

private:
    template<typename Names>
    static void pickFilter(const TextControl &pickList, const Names &names, int count,
                           std::int16_t &filter);
    void rejectRowsOtherThan(std::int16_t filter, int column);

    catalogue::Catalogue &m_state;
    resultlist::RowWriter &m_rowWriter;
    PickLists m_pickLists;
    TextControl &m_searchBox;
    TextSearch &m_search;
};

} // namespace selection
