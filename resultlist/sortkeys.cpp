// SPDX-License-Identifier: GPL-3.0-or-later
#include "sortkeys.h"

#include <QLocale>

#include <algorithm>
#include <cstring>

namespace resultlist {

namespace {

// Enough for the texts of every column of the built-in rows; the keys of
// further texts are written each time.
constexpr qsizetype writtenKeysKept = 4096;

std::uint64_t leadingBytes(const std::uint8_t *key, std::size_t length)
{
    std::uint64_t prefix = 0;
    for (std::size_t i = 0; i < sizeof prefix; ++i)
        prefix = prefix << 8 | (i < length ? key[i] : 0);
    return prefix;
}

} // namespace

SortKeys::SortKeys(const QLocale &locale)
    : m_collator(locale)
{
}

SortKeys::~SortKeys() = default;

void SortKeys::truncate(qsizetype count)
{
    if (count >= size())
        return;
    m_bytes.resize(m_keys[std::size_t(count)].offset);
    m_keys.resize(std::size_t(count));
}

void SortKeys::append(const QString &text)
{
    const std::size_t offset = m_bytes.size();
    appendBytes(text);
    const std::size_t length = m_bytes.size() - offset;
    m_keys.push_back(Key{leadingBytes(m_bytes.data() + offset, length), std::uint32_t(offset),
                         std::uint32_t(length)});
}

void SortKeys::appendBytes(const QString &text)
{
    if (const auto written = m_writtenByText.constFind(text);
        written != m_writtenByText.constEnd()) {
        const auto begin = m_written.cbegin() + written->first;
        m_bytes.insert(m_bytes.end(), begin, begin + written->second);
        return;
    }
    const std::size_t offset = m_bytes.size();
    m_collator.appendKey(text, m_bytes);
    if (m_writtenByText.size() >= writtenKeysKept)
        return;
    m_writtenByText.insert(
        text, {std::uint32_t(m_written.size()), std::uint32_t(m_bytes.size() - offset)});
    m_written.insert(m_written.end(), m_bytes.cbegin() + std::ptrdiff_t(offset), m_bytes.cend());
}

bool SortKeys::less(qsizetype a, qsizetype b) const
{
    const Key &first = m_keys[std::size_t(a)];
    const Key &second = m_keys[std::size_t(b)];
    if (first.prefix != second.prefix)
        return first.prefix < second.prefix;
    // Keys end in their only zero byte, so the shorter length never cuts a
    // comparison short of a difference.
    const std::size_t length = std::min(first.length, second.length);
    return std::memcmp(m_bytes.data() + first.offset, m_bytes.data() + second.offset, length) < 0;
}

} // namespace resultlist
