#pragma once

#include "catalogue/builtincontent.h"

#include <QString>

// The built-in catalogue's texts as the window shows them.
namespace cataloguenames {

inline QString track(int code)
{
    return QString::fromUtf8(catalogue::trackNames[code]);
}

inline QString timeslot(int code)
{
    return QString::fromUtf8(catalogue::timeslotNames[code]);
}

inline QString session(int code)
{
    return QString::fromUtf8(catalogue::sessionNames[code]);
}

// The cell `cell` of the built-in row `row`, counted from 1.
inline QString builtinCell(int row, const char *catalogue::BuiltinRow::*cell)
{
    return QString::fromUtf8(catalogue::builtinRows[row - 1].*cell);
}

// Whether the row's given name, family name or title contains `text`,
// ignoring case, as the search box matches.
inline bool containsText(const catalogue::BuiltinRow &row, const QString &text)
{
    for (const char *cell : {row.firstname, row.lastname, row.title}) {
        if (QString::fromUtf8(cell).contains(text, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace cataloguenames
