// SPDX-License-Identifier: GPL-3.0-or-later
#include "rowwriter.h"

#include "reportlist.h"

#include <QStringBuilder>

namespace resultlist {

namespace {

const QColor fileColor(0, 0, 255);

} // namespace

RowWriter::RowWriter(const catalogue::Catalogue &state, ReportList &list)
    : m_state(state)
    , m_list(list)
{
}

void RowWriter::skrivposter()
{
    m_list.clearItems();
    for (std::int16_t i = 1; i <= m_state.papercount; ++i) {
        if (m_state.papers(i, catalogue::column::visible).isTrue())
            skrivlinie(i);
    }
}

void RowWriter::skrivlinie(std::int16_t x)
{
    using namespace catalogue;
    checkSubscript(x, paperRows);
    const PaperTable &papers = m_state.papers;
    const int item = m_list.addItem(papers(x, column::file).text());
    m_list.setItemForeColor(item, fileColor);
    m_list.addSubItem(item, papers(x, column::lastname).text() % QLatin1String(", ")
                                % papers(x, column::firstname).text());
    m_list.addSubItem(item, papers(x, column::title).text());
    m_list.addSubItem(item, m_state.tracks(papers(x, column::track).toInt16()).text());
    m_list.addSubItem(item, m_state.sessions(papers(x, column::session).toInt16()).text());
    m_list.addSubItem(item, m_state.timeslots(papers(x, column::timeslot).toInt16()).text());
}

} // namespace resultlist
