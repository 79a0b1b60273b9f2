// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace errors {

// An error of the program's runtime: it carries the number and message the
// program reports when nothing handles it.
class RuntimeError : public std::runtime_error
{
public:
    RuntimeError(int number, const std::string &message)
        : std::runtime_error(message)
        , m_number(number)
    {
    }
    int number() const { return m_number; }

private:
    int m_number;
};

// A text that is not a number where a number is read.
class TypeMismatchError : public RuntimeError
{
public:
    TypeMismatchError()
        : RuntimeError(13, "Type mismatch")
    {
    }
};

// A number beyond the range of the integer it is read into.
class OverflowError : public RuntimeError
{
public:
    OverflowError()
        : RuntimeError(6, "Overflow")
    {
    }
};

// An index outside a table or list.
class SubscriptOutOfRangeError : public RuntimeError
{
public:
    SubscriptOutOfRangeError()
        : RuntimeError(9, "Subscript out of range")
    {
    }
};

// A property value that a control refuses.
class InvalidPropertyValueError : public RuntimeError
{
public:
    InvalidPropertyValueError()
        : RuntimeError(380, "Invalid property value")
    {
    }
};

// A file the program asks for that is not there.
class FileNotFoundError : public RuntimeError
{
public:
    FileNotFoundError()
        : RuntimeError(53, "File not found")
    {
    }
};

// Memory the program asks for that the system cannot give.
class OutOfMemoryError : public RuntimeError
{
public:
    OutOfMemoryError()
        : RuntimeError(7, "Out of memory")
    {
    }
};

// A failure of the program's own that is none of its runtime errors.
class InternalError : public RuntimeError
{
public:
    InternalError()
        : RuntimeError(51, "Internal error")
    {
    }
};

// A property set that the control allows only to be read.
class PropertyReadOnlyError : public RuntimeError
{
public:
    PropertyReadOnlyError()
        : RuntimeError(383, "'Text' property is read-only")
    {
    }
};

} // namespace errors
