// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"

#include "errors/runtimeerror.h"

namespace catalogue {

void checkSubscript(int index, int size)
{
    if (index < 0 || index >= size)
        throw errors::SubscriptOutOfRangeError();
}

int PaperTable::checkedIndex(int row, int column)
{
    checkSubscript(row, paperRows);
    checkSubscript(column, paperColumns);
    return row * paperColumns + column;
}

Cell &PaperTable::operator()(int row, int column)
{
    return m_cells[checkedIndex(row, column)];
}

const Cell &PaperTable::operator()(int row, int column) const
{
    return m_cells[checkedIndex(row, column)];
}

} // namespace catalogue
