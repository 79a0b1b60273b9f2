// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <variant>

namespace catalogue {

// A catalogue cell: empty, a text or a boolean.
class Cell
{
public:
    Cell() = default;
    explicit Cell(const QString &text)
        : m_value(text)
    {
    }
    explicit Cell(bool flag)
        : m_value(flag)
    {
    }

    bool isEmpty() const { return std::holds_alternative<std::monostate>(m_value); }
    bool isText() const { return std::holds_alternative<QString>(m_value); }
    bool isBoolean() const { return std::holds_alternative<bool>(m_value); }

    // Only a boolean True counts; an empty cell is not true.
    bool isTrue() const;

    // The cell read as text: empty gives "", a boolean "True" or "False".
    QString text() const;

    // The cell's decimal text read as a 16-bit signed integer. Throws
    // errors::TypeMismatchError for a text that is no number and
    // errors::OverflowError for one beyond -32768..32767.
    std::int16_t toInt16() const;

    bool operator==(const Cell &other) const = default;

private:
    std::variant<std::monostate, QString, bool> m_value;
};

} // namespace catalogue
