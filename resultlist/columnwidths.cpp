// SPDX-License-Identifier: GPL-3.0-or-later
#include "columnwidths.h"

#include "errors/runtimeerror.h"

#include <QHeaderView>

namespace resultlist {

int toPixels(float units, double pixelsPerUnit)
{
    if (units < 0)
        throw errors::InvalidPropertyValueError();
    return qRound(double(units) * pixelsPerUnit);
}

ColumnWidths::ColumnWidths(QHeaderView &header, double pixelsPerUnit)
    : m_header(header)
    , m_pixelsPerUnit(pixelsPerUnit)
    , m_resized(QObject::connect(&header, &QHeaderView::sectionResized, &header,
                                 [this](int column, int, int pixels) { remember(column, pixels); }))
{
}

ColumnWidths::~ColumnWidths()
{
    QObject::disconnect(m_resized);
}

void ColumnWidths::addColumn()
{
    m_pixels.push_back(m_header.defaultSectionSize());
}

float ColumnWidths::width(int column) const
{
    return float(m_pixels.at(std::size_t(column)) / m_pixelsPerUnit);
}

void ColumnWidths::setWidth(int column, float width)
{
    m_pixels.at(std::size_t(column)) = toPixels(width, m_pixelsPerUnit);
    if (column < m_header.count())
        apply();
}

void ColumnWidths::apply()
{
    m_applying = true;
    for (int column = 0; column < m_header.count(); ++column)
        m_header.resizeSection(column, m_pixels[std::size_t(column)]);
    m_applying = false;
}

void ColumnWidths::remember(int column, int pixels)
{
    if (!m_applying && column < int(m_pixels.size()))
        m_pixels[std::size_t(column)] = pixels;
}

} // namespace resultlist
