// SPDX-License-Identifier: GPL-3.0-or-later
#include "categoryfilters.h"

#include "textcontrol.h"
#include "textsearch.h"

#include "resultlist/rowwriter.h"

namespace selection {

using namespace catalogue;

CategoryFilters::CategoryFilters(Catalogue &state, resultlist::RowWriter &rowWriter,
                                 const PickLists &pickLists, TextControl &searchBox,
                                 TextSearch &search)
    : m_state(state)
    , m_rowWriter(rowWriter)
    , m_pickLists(pickLists)
    , m_searchBox(searchBox)
    , m_search(search)
{
}

// Every entry is compared, so a text listed twice would give the higher index;
// a text that equals no entry leaves the filter as it was.
template<typename Names>
void CategoryFilters::pickFilter(const TextControl &pickList, const Names &names, int count,
                                 std::int16_t &filter)
{
    for (int i = 0; i < count; ++i) {
        if (pickList.text() == names(i).text())
            filter = std::int16_t(i);
    }
}

void CategoryFilters::Combo1_Click()
{
    pickFilter(m_pickLists.tracks, m_state.tracks, trackSlots, m_state.trackfilter);
    tjekalle();
}

void CategoryFilters::Combo2_Click()
{
    pickFilter(m_pickLists.timeslots, m_state.timeslots, timeslotSlots, m_state.timeslotfilter);
    tjekalle();
}

void CategoryFilters::Combo3_Click()
{
    pickFilter(m_pickLists.sessions, m_state.sessions, sessionSlots - 1, m_state.sessionfilter);
    tjekalle();
}

void CategoryFilters::tjekalle()
{
    indlaesalle();
    rejectRowsOtherThan(m_state.trackfilter, column::track);
    rejectRowsOtherThan(m_state.timeslotfilter, column::timeslot);
    rejectRowsOtherThan(m_state.sessionfilter, column::session);
    m_rowWriter.skrivposter();
    if (!m_searchBox.text().isEmpty())
        m_search.filtersearch();
}

void CategoryFilters::rejectRowsOtherThan(std::int16_t filter, int column)
{
    if (filter <= 0)
        return;
    for (std::int16_t i = 1; i <= m_state.papercount; ++i) {
        if (m_state.papers(i, column).toInt16() != filter)
            m_state.papers(i, column::visible) = Cell(false);
    }
}

void CategoryFilters::indlaesalle()
{
    for (std::int16_t i = 1; i <= m_state.papercount; ++i)
        m_state.papers(i, column::visible) = Cell(true);
    for (std::int16_t i = 1; i <= m_state.papercount; ++i)
        m_rowWriter.skrivlinie(i);
}

void CategoryFilters::Command2_Click()
{
    m_state.trackfilter = 0;
    m_state.timeslotfilter = 0;
    m_state.sessionfilter = 0;
    m_pickLists.tracks.setText(m_state.tracks(0).text());
    m_pickLists.timeslots.setText(m_state.timeslots(0).text());
    m_pickLists.sessions.setText(m_state.sessions(0).text());
    tjekalle();
}

} // namespace selection
