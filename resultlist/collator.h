// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class QLocale;

namespace resultlist {

// Writes the list's sort keys: bytes that compare, bytewise, as their texts
// collate in one locale, case-insensitively, accented letters after their base
// letters. Each key ends in its only zero byte. One backend per platform,
// picked by the build.
class Collator
{
public:
    explicit Collator(const QLocale &locale);
    ~Collator();
    Collator(const Collator &) = delete;
    Collator &operator=(const Collator &) = delete;

    void appendKey(const QString &text, std::vector<std::uint8_t> &bytes) const;

private:
    struct Data;
    std::unique_ptr<Data> m_data; // none without the locale's collation data
};

// Without collation data, case-folded code points still give a
// case-insensitive order; UTF-8 keeps their order bytewise.
inline void appendFoldedKey(const QString &text, std::vector<std::uint8_t> &bytes)
{
    const QByteArray folded = text.toCaseFolded().toUtf8();
    bytes.insert(bytes.end(), folded.begin(), folded.end());
    bytes.push_back(0);
}

} // namespace resultlist
