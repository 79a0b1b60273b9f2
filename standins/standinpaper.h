// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace standins {

// What a stand-in document tells of its paper, from the built-in catalogue.
struct StandinPaper
{
    QString file;
    QString title;
    QStringList authors; // "Given Family", in catalogue order, without the blanks around
                         // the names that some rows hold
    QString track;
    QString session;
    QString timeslot;

    // The page's lines: title, authors, where and when, and what it is.
    QStringList lines() const;
};

// One for each document name, in the order the catalogue first names it; a
// paper's title and codes are those of its first row.
QList<StandinPaper> standinPapers();

} // namespace standins
