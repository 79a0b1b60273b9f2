// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QStringList>

#include <array>

// What the window, the list, the catalogue's tables and the shell are designed
// to be, written down for the tests to expect, never read from the program's
// own constants: a wrong constant there then fails a test.
namespace facts {

// The window's own units: 15.225 twips across and 15.39998 down, at 15 twips
// to the pixel.
constexpr double pixelsPerUnitX = 15.225 / 15;
constexpr double pixelsPerUnitY = 15.39998 / 15;
// The client area at design, in pixels, and the light blue of its picture.
constexpr QSize designClientSize{812, 624};
constexpr unsigned pictureBlue = 0x8db1c7; // red 141, green 177, blue 199

// The list's column captions in header order, their widths at start-up in
// the window's units, and their shares of the list's width once laid out.
inline const QStringList captions{"Open", "Author", "Title", "Track", "Session", "Time slot"};
constexpr std::array<float, 6> startColumnWidths{6, 10, 27, 10, 13, 10};
constexpr std::array<double, 6> columnShares{0.07, 0.13, 0.33, 0.13, 0.17, 0.13};

// The list's sort order for "descending", and its mouse pointer numbers: the
// default arrow, the cross and the hourglass.
constexpr int descending = 1;
constexpr int defaultPointer = 0;
constexpr int crossPointer = 2;
constexpr int hourglassPointer = 11;

// The catalogue's tables: rows 0 to 178 of columns 0 to 7, 178 papers'
// authors, and code lists of 15 tracks, 8 timeslots and 50 session slots.
constexpr int paperRows = 179;
constexpr int paperColumns = 8;
constexpr int paperCount = 178;
constexpr int trackSlots = 15;
constexpr int timeslotSlots = 8;
constexpr int sessionSlots = 50;

// The shell: the show command "shown normally", its answers (above 32 a
// success; 2 a missing file, 31 a type with no application), and the command
// line that shows the Open With dialog, followed directly by the file.
constexpr int showNormal = 1;
constexpr int fileNotFound = 2;
constexpr int noAssociation = 31;
constexpr int lastErrorCode = 32;
inline const QString openWithCommand = QStringLiteral("rundll32.exe shell32.dll,OpenAs_RunDLL ");

} // namespace facts
