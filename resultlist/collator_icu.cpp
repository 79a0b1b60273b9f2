// SPDX-License-Identifier: GPL-3.0-or-later
#include "collator.h"

#include <QLocale>

#include <unicode/ucol.h>

namespace resultlist {

struct Collator::Data
{
    struct Close
    {
        void operator()(UCollator *collator) const { ucol_close(collator); }
    };
    std::unique_ptr<UCollator, Close> collator;
};

namespace {

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

Collator::Collator(const QLocale &locale)
{
    if (UCollator *collator = openCollator(locale))
        m_data = std::make_unique<Data>(Data{std::unique_ptr<UCollator, Data::Close>(collator)});
}

Collator::~Collator() = default;

void Collator::appendKey(const QString &text, std::vector<std::uint8_t> &bytes) const
{
    if (!m_data) {
        appendFoldedKey(text, bytes);
        return;
    }
    const std::size_t offset = bytes.size();
    const auto *source = reinterpret_cast<const UChar *>(text.utf16());
    const auto sourceLength = std::int32_t(text.size());
    // Most keys fit in this guess; a longer one is written again at its length.
    std::size_t room = 3 * std::size_t(text.size()) + 16;
    for (;;) {
        bytes.resize(offset + room);
        const std::int32_t written = ucol_getSortKey(m_data->collator.get(), source, sourceLength,
                                                     bytes.data() + offset, std::int32_t(room));
        if (std::size_t(written) <= room) {
            bytes.resize(offset + std::size_t(written));
            return;
        }
        room = std::size_t(written);
    }
}

} // namespace resultlist
