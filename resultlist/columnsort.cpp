#include "columnsort.h"

#include <exception>
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

} // namespace

void ListView1_ColumnClick(SortTarget &list, const ColumnHeader &header)
{
    int savedPointer = defaultPointer; // what comes back if the pointer cannot be read
    skipOnFailure([&] { savedPointer = list.mousePointer(); });
    skipOnFailure([&] { list.setMousePointer(hourglassPointer); });
    skipOnFailure([&] { list.lockWindowUpdate(); });

    std::optional<int> k;
    skipOnFailure([&] { k = header.index() - 1; });
    bool sameColumn = true; // a failed comparison reverses the direction
    skipOnFailure([&] {
        if (k)
            sameColumn = list.sortKey() == *k;
    });
    if (sameColumn) {
        skipOnFailure([&] { list.setSortOrder((list.sortOrder() + 1) % 2); });
    } else {
        skipOnFailure([&] { list.setSortOrder(ascending); });
        skipOnFailure([&] { list.setSortKey(std::int16_t(*k)); });
    }
    skipOnFailure([&] { list.setSorted(true); });

    skipOnFailure([&] { list.unlockWindowUpdate(); });
    skipOnFailure([&] { list.setMousePointer(savedPointer); });
}

} // namespace resultlist
