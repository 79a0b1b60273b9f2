#include "sortkeys.h"

#include <QLocale>

#include <unicode/ucol.h>

#include <algorithm>
#include <cstring>

namespace resultlist {

namespace {

std::uint64_t leadingBytes(const std::uint8_t *key, std::size_t length)
{
    std::uint64_t prefix = 0;
    for (std::size_t i = 0; i < sizeof prefix; ++i)
        prefix = prefix << 8 | (i < length ? key[i] : 0);
    return prefix;
}

UCollator *openCollator(const QLocale &locale)
{
    UErrorCode status = U_ZERO_ERROR;
    const QByteArray name = locale.bcp47Name().replace(u'-', u'_').toLatin1();
    UCollator *collator = ucol_open(name.constData(), &status);
    if (U_FAILURE(status))
        return nullptr;
    // Accents still order words; case does not. Decomposed and precomposed
    // accents collate alike.
    ucol_setAttribute(collator, UCOL_NORMALIZATION_MODE, UCOL_ON, &status);
    ucol_setAttribute(collator, UCOL_STRENGTH, UCOL_SECONDARY, &status);
    ucol_setAttribute(collator, UCOL_NUMERIC_COLLATION, UCOL_OFF, &status);
    ucol_setAttribute(collator, UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE, &status);
    if (U_FAILURE(status)) {
        ucol_close(collator);
        return nullptr;
    }
    return collator;
}

} // namespace

void SortKeys::CloseCollator::operator()(UCollator *collator) const
{
    ucol_close(collator);
}

SortKeys::SortKeys(const QLocale &locale)
    : m_collator(openCollator(locale))
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
    writeKey(text);
    const std::size_t length = m_bytes.size() - offset;
    m_keys.push_back(Key{leadingBytes(m_bytes.data() + offset, length), std::uint32_t(offset),
                         std::uint32_t(length)});
}

void SortKeys::writeKey(const QString &text)
{
    const std::size_t offset = m_bytes.size();
    if (!m_collator) {
        // Without collation data, case-folded code points still give a
        // case-insensitive order; UTF-8 keeps their order bytewise.
        const QByteArray folded = text.toCaseFolded().toUtf8();
        m_bytes.insert(m_bytes.end(), folded.begin(), folded.end());
        m_bytes.push_back(0);
        return;
    }
    const auto *source = reinterpret_cast<const UChar *>(text.utf16());
    const auto sourceLength = std::int32_t(text.size());
    // Most keys fit in this guess; a longer one is written again at its length.
    std::size_t room = 3 * std::size_t(text.size()) + 16;
    for (;;) {
        m_bytes.resize(offset + room);
        const std::int32_t written = ucol_getSortKey(m_collator.get(), source, sourceLength,
                                                     m_bytes.data() + offset, std::int32_t(room));
        if (std::size_t(written) <= room) {
            m_bytes.resize(offset + std::size_t(written));
            return;
        }
        room = std::size_t(written);
    }
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
