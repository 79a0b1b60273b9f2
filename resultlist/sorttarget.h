// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace resultlist {

// Mouse pointer shapes of the list, by their numbers.
enum MousePointer : int {
    defaultPointer = 0,
    crossPointer = 2,
    hourglassPointer = 11,
    lastPointerShape = 15,
};

enum SortOrder : int {
    ascending = 0,
    descending = 1,
};

// The list operations a header click uses to sort; each may fail by throwing.
class SortTarget
{
public:
    virtual ~SortTarget() = default;

    virtual int mousePointer() const = 0;
    virtual void setMousePointer(int shape) = 0;
    // Suspend and resume drawing of the list.
    virtual void lockWindowUpdate() = 0;
    virtual void unlockWindowUpdate() = 0;
    virtual std::int16_t sortKey() const = 0;
    virtual void setSortKey(std::int16_t key) = 0;
    virtual int sortOrder() const = 0;
    virtual void setSortOrder(int order) = 0;
    virtual void setSorted(bool sorted) = 0;
};

} // namespace resultlist
