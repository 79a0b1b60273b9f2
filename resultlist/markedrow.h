// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace resultlist {

class ReportRows;
class ReportView;

// The row the user marked last, known by its paper's file and its author, so
// that a sort or a rebuild that still shows it keeps it marked and current
// wherever it moves; where the rows no longer hold it, no row is marked or
// current, so that nothing points at a row that would not act.
class MarkedRow
{
public:
    MarkedRow(ReportView &view, const ReportRows &rows);

    // Whether the marked row can be seen in the list's rows.
    bool inView() const;

    // Takes note of the row marked now, after a change of the marking; a
    // rebuild, which leaves none marked, keeps the one marked last.
    void follow();
    // After the view has the rows anew: marks and makes current the row
    // marked last, brought to the top unless it was in view.
    void restore(bool wasInView);

private:
    int shownPosition() const;

    ReportView &m_view;
    const ReportRows &m_rows;
    QStringList m_key; // the file and the author cells
};

} // namespace resultlist
