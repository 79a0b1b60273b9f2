// SPDX-License-Identifier: GPL-3.0-or-later
#include "builtincontent.h"

namespace catalogue {

namespace {

template<typename Names, typename List>
void writeList(const Names &names, List &list)
{
    for (int i = 0; i < int(names.size()); ++i)
        list(i) = Cell(QString::fromUtf8(names[i]));
}

} // namespace

void writeBuiltinRows(Catalogue &state)
{
    for (int row = 1; row <= builtinPaperCount; ++row) {
        const BuiltinRow &source = builtinRows[row - 1];
        const char *const texts[] = {source.firstname, source.lastname, source.title, source.track,
                                     source.timeslot,  source.session,  source.file};
        for (int c = column::firstname; c <= column::file; ++c)
            state.papers(row, c) = Cell(QString::fromUtf8(texts[c - column::firstname]));
    }
}

void writeTracks(Catalogue &state)
{
    writeList(trackNames, state.tracks);
}

void writeTimeslots(Catalogue &state)
{
    writeList(timeslotNames, state.timeslots);
}

void writeSessions(Catalogue &state)
{
    writeList(sessionNames, state.sessions);
}

} // namespace catalogue
