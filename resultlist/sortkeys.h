// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "collator.h"

#include <QHash>
#include <QString>

#include <cstdint>
#include <utility>
#include <vector>

class QLocale;

namespace resultlist {

// Case-insensitive collation keys of a column's texts, one per row, kept side
// by side in one buffer: a sort compares two rows by their keys' leading bytes
// held inline, and only on a tie reads the rest, so it never calls the
// collator and seldom leaves the key table. A text's key is written once:
// rebuilds append the same texts again.
class SortKeys
{
public:
    explicit SortKeys(const QLocale &locale);
    ~SortKeys();
    SortKeys(const SortKeys &) = delete;
    SortKeys &operator=(const SortKeys &) = delete;

    qsizetype size() const { return qsizetype(m_keys.size()); }
    void reserve(qsizetype count) { m_keys.reserve(std::size_t(count)); }
    // Keeps the keys of the first count rows.
    void truncate(qsizetype count);
    void append(const QString &text);
    // Whether row a's text collates before row b's.
    bool less(qsizetype a, qsizetype b) const;

private:
    struct Key
    {
        std::uint64_t prefix; // the key's first bytes, most significant first
        std::uint32_t offset; // where the whole key starts in m_bytes
        std::uint32_t length; // of the whole key, its closing zero byte included
    };

    void appendBytes(const QString &text);

    Collator m_collator;
    std::vector<Key> m_keys;
    std::vector<std::uint8_t> m_bytes;
    // The keys written so far, by text, side by side in their own buffer.
    QHash<QString, std::pair<std::uint32_t, std::uint32_t>> m_writtenByText;
    std::vector<std::uint8_t> m_written;
};

} // namespace resultlist
