// SPDX-License-Identifier: GPL-3.0-or-later
#include "cell.h"

#include "errors/runtimeerror.h"

#include <limits>

namespace catalogue {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Reads an optionally signed run of decimal digits, blanks allowed around it.
// Anything else in the text is a type mismatch; the value may be as wide as it
// likes until the range is checked.
double readDecimal(const QString &text)
{
    qsizetype i = 0;
    const qsizetype end = text.size();
    while (i < end && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < end && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    const qsizetype digitsStart = i;
    double value = 0;
    while (i < end && text[i] >= u'0' && text[i] <= u'9') {
        value = value * 10 + (text[i].unicode() - u'0');
        ++i;
    }
    if (i == digitsStart)
        throw errors::TypeMismatchError();
    while (i < end && isBlank(text[i]))
        ++i;
    if (i != end)
        throw errors::TypeMismatchError();
    return negative ? -value : value;
}

} // namespace

bool Cell::isTrue() const
{
    return isBoolean() && std::get<bool>(m_value);
}

QString Cell::text() const
{
    if (isText())
        return std::get<QString>(m_value);
    if (isBoolean())
        return std::get<bool>(m_value) ? QStringLiteral("True") : QStringLiteral("False");
    return {};
}

std::int16_t Cell::toInt16() const
{
    if (isEmpty())
        return 0;
    if (isBoolean())
        return std::get<bool>(m_value) ? -1 : 0;
    const double value = readDecimal(std::get<QString>(m_value));
    if (value < std::numeric_limits<std::int16_t>::min()
        || value > std::numeric_limits<std::int16_t>::max())
        throw errors::OverflowError();
    return static_cast<std::int16_t>(value);
}

} // namespace catalogue
