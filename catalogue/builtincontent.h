// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue.h"

#include <array>

namespace catalogue {

// One built-in catalogue row as it is written at start-up: the texts of
// columns 1 to 7, UTF-8 encoded.
struct BuiltinRow
{
    const char *firstname;
    const char *lastname;
    const char *title;
    const char *track;
    const char *timeslot;
    const char *session;
    const char *file;
};

extern const std::array<BuiltinRow, builtinPaperCount> builtinRows;
extern const std::array<const char *, trackSlots> trackNames;
extern const std::array<const char *, timeslotSlots> timeslotNames;
extern const std::array<const char *, sessionSlots - 1> sessionNames; // slot 49 stays empty

// Write columns 1 to 7 of rows 1 to 178, row by row.
void writeBuiltinRows(Catalogue &state);
// Write the code lists, each entry in index order.
void writeTracks(Catalogue &state);
void writeTimeslots(Catalogue &state);
void writeSessions(Catalogue &state);

} // namespace catalogue
