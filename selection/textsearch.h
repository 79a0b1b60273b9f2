// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/catalogue.h"

namespace resultlist {
class RowWriter;
class ReportList;
} // namespace resultlist

namespace selection {

class TextControl;

// Narrows the list to the visible rows whose given name, family name or title
// contains the search box's text, ignoring case.
class TextSearch
{
public:
    TextSearch(const catalogue::Catalogue &state, resultlist::RowWriter &rowWriter,
               resultlist::ReportList &list, TextControl &searchBox);

    // The search box's text changed.
    void Text1_Change();
    // Empty the list and write the visible rows that contain the search text.
    void filtersearch();
    // "Reset Search": empty the search box.
    void Command1_Click();

private:
    bool matches(int row, const QString &searchText) const;

    const catalogue::Catalogue &m_state;
    resultlist::RowWriter &m_rowWriter;
    resultlist::ReportList &m_list;
    TextControl &m_searchBox;
};

} // namespace selection
