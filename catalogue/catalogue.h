// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cell.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace catalogue {

// Columns of the paper table, in a scope of their own: papers(row, column::file).
namespace column {
enum : int {
    visible = 0,
    firstname = 1,
    lastname = 2,
    title = 3,
    track = 4,
    timeslot = 5,
    session = 6,
    file = 7,
};
} // namespace column

constexpr int paperRows = 179;  // rows 0..178; row 0 stays empty
constexpr int paperColumns = 8; // columns 0..7
constexpr int trackSlots = 15;
constexpr int timeslotSlots = 8;
constexpr int sessionSlots = 50; // 0..48 named, 49 stays empty
constexpr std::int16_t builtinPaperCount = 178;

// A fixed-size list of cells whose every access is bounds-checked.
template<int Size>
class CellList
{
public:
    Cell &operator()(int index) { return m_cells.at(checked(index)); }
    const Cell &operator()(int index) const { return m_cells.at(checked(index)); }
    static constexpr int size() { return Size; }

private:
    static int checked(int index);
    std::array<Cell, Size> m_cells{};
};

// The paper table, rows by columns, every access bounds-checked.
class PaperTable
{
public:
    Cell &operator()(int row, int column);
    const Cell &operator()(int row, int column) const;

private:
    static int checkedIndex(int row, int column);
    std::array<Cell, std::size_t{paperRows} * paperColumns> m_cells{};
};

// All the state the main window keeps: the paper table, the code lists, the
// three filter codes and the file of the row clicked last.
struct Catalogue
{
    std::int16_t papercount = 0;
    std::int16_t trackfilter = 0;
    std::int16_t timeslotfilter = 0;
    std::int16_t sessionfilter = 0;
    PaperTable papers;
    CellList<trackSlots> tracks;
    CellList<timeslotSlots> timeslots;
    CellList<sessionSlots> sessions;
    Cell selectedfile;
};

// Throws errors::SubscriptOutOfRangeError unless 0 <= index < size.
void checkSubscript(int index, int size);

template<int Size>
int CellList<Size>::checked(int index)
{
    checkSubscript(index, Size);
    return index;
}

} // namespace catalogue
