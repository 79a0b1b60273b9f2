// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/builtincontent.h"

#include <QCollator>
#include <QStringList>

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

// The order a reader of the list expects: by the letters, ignoring case.
inline QCollator readersCollator()
{
    QCollator collator(QLocale(QLocale::English, QLocale::UnitedStates));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

// True when the texts of `cell` stand in the reader's order.
inline bool inReadersOrder(const QList<QStringList> &rows, int cell, bool ascending = true)
{
    const QCollator collator = readersCollator();
    for (int i = 1; i < rows.size(); ++i) {
        const int c = collator.compare(rows[i - 1][cell], rows[i][cell]);
        if (ascending ? c > 0 : c < 0)
            return false;
    }
    return true;
}

} // namespace cataloguenames
