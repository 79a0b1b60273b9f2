// SPDX-License-Identifier: GPL-3.0-or-later
#include "columnsort.h"

#include "errors/runtimeerror.h"

#include <cstdint>
#include <exception>
#include <limits>
#include <optional>

namespace resultlist {

namespace {

// Runs one step of the header click; a step that fails is skipped.
template<typename Step>
void skipOnFailure(Step step)
{
    try {
        step();
    } catch (const std::exception &) {
    }
}

// The sort key of the column under a header, read as a 16-bit integer.
std::int16_t sortKeyOf(int headerIndex)
{
    const int key = headerIndex - 1;
    if (key < std::numeric_limits<std::int16_t>::min()
        || key > std::numeric_limits<std::int16_t>::max())
        throw errors::OverflowError();
    return std::int16_t(key);
}

} // namespace

void ListView1_ColumnClick(SortTarget &list, int headerIndex)
{
    int savedPointer = defaultPointer; // what comes back if the pointer cannot be read
    skipOnFailure([&] { savedPointer = list.mousePointer(); });
    skipOnFailure([&] { list.setMousePointer(hourglassPointer); });
    skipOnFailure([&] { list.lockWindowUpdate(); });

    std::optional<std::int16_t> k;
    skipOnFailure([&] { k = sortKeyOf(headerIndex); });
    bool sameColumn = true; // a failed comparison reverses the direction
    skipOnFailure([&] {
        if (k)
            sameColumn = list.sortKey() == *k;
    });
    if (sameColumn) {
        skipOnFailure([&] { list.setSortOrder((list.sortOrder() + 1) % 2); });
    } else {
        skipOnFailure([&] { list.setSortOrder(ascending); });
        skipOnFailure([&] { list.setSortKey(*k); });
    }
    skipOnFailure([&] { list.setSorted(true); });

    skipOnFailure([&] { list.unlockWindowUpdate(); });
    skipOnFailure([&] { list.setMousePointer(savedPointer); });
}

} // namespace resultlist
