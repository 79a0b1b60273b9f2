// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace resultlist {

class ReportRows;
class ReportView;

// The row the user marked, kept by its item, so that a sort which moves the
// row keeps it marked and current; a rebuild of the rows marks none.
class MarkedRow
{
public:
    MarkedRow(ReportView &view, const ReportRows &rows);

    // Whether the marked row can be seen in the list's rows.
    bool inView() const;

    // Takes note of the row marked now, after a change of the marking.
    void follow();
    // The rows are rebuilt: their items are other rows.
    void forget() { m_item = -1; }
    // After the view has the rows anew: marks and makes current the row
    // marked before, brought to the top unless it was in view; with none, the
    // first row is current, as keyboard and screen-reader users expect.
    void restore(bool wasInView);

private:
    ReportView &m_view;
    const ReportRows &m_rows;
    int m_item = -1;
};

} // namespace resultlist
