// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace catalogue {
struct Catalogue;
}

namespace documents {

// One author of a paper, the names tidied for citing. Initials typed at the
// start of the family name are middle names: they are kept apart from it.
struct Author
{
    QString given;
    QString middle; // "J." of "J. Fitzgerald", or empty
    QString family;
};

// A paper as it is cited: every catalogue row with its document file, the
// authors in catalogue order, the rest from its first row, every text tidied.
struct Paper
{
    QString file;
    QList<Author> authors;
    QString title;
    QString track;
    QString session;
    QString timeslot;
};

// Blanks at either end dropped and runs of blanks inside made one.
QString tidied(const QString &text);

// The paper whose document is the file; one without authors when no row has it.
Paper paperOf(const catalogue::Catalogue &state, const QString &file);

// Every paper of the catalogue, in the order of their first rows.
QList<Paper> allPapers(const catalogue::Catalogue &state);

} // namespace documents
