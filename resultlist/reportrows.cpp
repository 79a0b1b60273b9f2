// SPDX-License-Identifier: GPL-3.0-or-later
#include "reportrows.h"

#include "catalogue/catalogue.h"
#include "errors/runtimeerror.h"

#include <QLocale>

#include <algorithm>
#include <numeric>

namespace resultlist {

namespace {

QLocale collationLocale()
{
    // The C locale would compare code points; readers of a list of names
    // expect accented letters beside their base letters.
    const QLocale system;
    return system.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates)
                                           : system;
}

} // namespace

ReportRows::ReportRows()
    : m_keys(collationLocale())
{
}

void ReportRows::checkItem(int item) const
{
    catalogue::checkSubscript(item, count());
}

void ReportRows::clear()
{
    m_rows.clear();
    m_rowAtPosition.clear();
    m_keys.truncate(0);
    m_orderStale = false;
}

int ReportRows::append(const QString &text, int cellCount)
{
    // Rows are written like the one before, so a new row gets room for as
    // many cells and its sub-items do not regrow it each time.
    const qsizetype previous = m_rows.isEmpty() ? 0 : m_rows.constLast().cells.size();
    QStringList cells;
    cells.reserve(std::max({qsizetype(cellCount), previous, qsizetype(1)}));
    cells.append(text);
    m_rows.append(ListRow{std::move(cells)});
    const int item = count() - 1;
    if (m_sorted)
        m_orderStale = true;
    else if (!m_orderStale)
        m_rowAtPosition.append(item);
    return item;
}

void ReportRows::setForeColor(int item, std::uint32_t argb)
{
    checkItem(item);
    m_rows[item].foreColor = argb;
}

void ReportRows::appendCell(int item, const QString &text)
{
    checkItem(item);
    QStringList &cells = m_rows[item].cells;
    cells.append(text);
    if (cells.size() - 1 == m_keysColumn)
        m_keys.truncate(item);
    if (m_sorted)
        m_orderStale = true;
}

int ReportRows::itemAt(int position) const
{
    checkItem(position);
    ensureOrder();
    return m_rowAtPosition[position];
}

int ReportRows::positionOf(int item) const
{
    ensureOrder();
    return int(m_rowAtPosition.indexOf(item));
}

void ReportRows::setSortKey(std::int16_t key)
{
    if (key < 0)
        throw errors::InvalidPropertyValueError();
    m_sortKey = key;
    if (m_sorted)
        m_orderStale = true;
}

void ReportRows::setSortOrder(int order)
{
    if (order != ascending && order != descending)
        throw errors::InvalidPropertyValueError();
    m_sortOrder = order;
    if (m_sorted)
        m_orderStale = true;
}

void ReportRows::setSorted(bool sorted)
{
    ensureOrder(); // switching sorting off keeps the order the rows have
    m_sorted = sorted;
    m_orderStale = sorted;
}

void ReportRows::ensureOrder() const
{
    if (!m_orderStale)
        return;
    m_orderStale = false;
    m_rowAtPosition.resize(m_rows.size());
    std::iota(m_rowAtPosition.begin(), m_rowAtPosition.end(), 0);
    if (!m_sorted)
        return;
    updateKeys();
    // A stable sort: rows with equal texts stay in the order they were appended.
    if (m_sortOrder == ascending) {
        std::stable_sort(m_rowAtPosition.begin(), m_rowAtPosition.end(),
                         [this](int a, int b) { return m_keys.less(a, b); });
    } else {
        std::stable_sort(m_rowAtPosition.begin(), m_rowAtPosition.end(),
                         [this](int a, int b) { return m_keys.less(b, a); });
    }
}

void ReportRows::updateKeys() const
{
    if (m_keysColumn != m_sortKey) {
        m_keys.truncate(0);
        m_keysColumn = m_sortKey;
    }
    m_keys.reserve(m_rows.size());
    for (auto row = qsizetype(m_keys.size()); row < m_rows.size(); ++row)
        m_keys.append(m_rows[row].cells.value(m_keysColumn));
}

} // namespace resultlist
