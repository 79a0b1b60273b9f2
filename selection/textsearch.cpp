// SPDX-License-Identifier: GPL-3.0-or-later
#include "textsearch.h"

#include "textcontrol.h"

#include "resultlist/reportlist.h"
#include "resultlist/rowwriter.h"

namespace selection {

TextSearch::TextSearch(const catalogue::Catalogue &state, resultlist::RowWriter &rowWriter,
                       resultlist::ReportList &list, TextControl &searchBox)
    : m_state(state)
    , m_rowWriter(rowWriter)
    , m_list(list)
    , m_searchBox(searchBox)
{
}

void TextSearch::Text1_Change()
{
    m_list.highlightMatches(m_searchBox.text());
    if (!m_searchBox.text().isEmpty())
        filtersearch();
    else
        m_rowWriter.skrivposter();
}

void TextSearch::filtersearch()
{
    // The box cannot change during a pass, so its text is read once.
    const QString searchText = m_searchBox.text();
    m_list.clearItems();
    for (std::int16_t i = 1; i <= m_state.papercount; ++i) {
        if (m_state.papers(i, catalogue::column::visible).isTrue() && matches(i, searchText))
            m_rowWriter.skrivlinie(i);
    }
}

bool TextSearch::matches(int row, const QString &searchText) const
{
    using namespace catalogue;
    const auto contains = [&](int cell) {
        return m_state.papers(row, cell).text().contains(searchText, Qt::CaseInsensitive);
    };
    return contains(column::firstname) || contains(column::lastname) || contains(column::title);
}

void TextSearch::Command1_Click()
{
    m_searchBox.setText(QString());
}

} // namespace selection
