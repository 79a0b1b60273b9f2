// SPDX-License-Identifier: GPL-3.0-or-later
#include "collator.h"

#include <QLocale>

#include <windows.h>

#include <string>

namespace resultlist {

struct Collator::Data
{
    std::wstring localeName;
};

namespace {

// Accents still order words; case does not, in the locale's own sense of case.
// Hyphens and apostrophes weigh least, as in every other list on Windows.
constexpr DWORD keyFlags = LCMAP_SORTKEY | LINGUISTIC_IGNORECASE;

} // namespace

Collator::Collator(const QLocale &locale)
{
    std::wstring name = locale.bcp47Name().toStdWString();
    if (IsValidLocaleName(name.c_str()))
        m_data = std::make_unique<Data>(Data{std::move(name)});
}

Collator::~Collator() = default;

void Collator::appendKey(const QString &text, std::vector<std::uint8_t> &bytes) const
{
    // The empty text is passed as a terminated one: a length of 0 is refused.
    const auto *source = text.isEmpty() ? L"" : reinterpret_cast<const wchar_t *>(text.utf16());
    const int sourceLength = text.isEmpty() ? -1 : int(text.size());
    const wchar_t *locale = m_data ? m_data->localeName.c_str() : nullptr;
    const int room = locale ? LCMapStringEx(locale, keyFlags, source, sourceLength, nullptr, 0,
                                            nullptr, nullptr, 0)
                            : 0;
    if (room <= 0) {
        appendFoldedKey(text, bytes);
        return;
    }
    // For a sort key the call writes and counts bytes, through its parameter
    // typed for wide characters.
    const std::size_t offset = bytes.size();
    bytes.resize(offset + std::size_t(room));
    const int written = LCMapStringEx(locale, keyFlags, source, sourceLength,
                                      reinterpret_cast<wchar_t *>(bytes.data() + offset), room,
                                      nullptr, nullptr, 0);
    bytes.resize(offset + std::size_t(written > 0 ? written : 0));
    if (written <= 0)
        appendFoldedKey(text, bytes);
}

} // namespace resultlist
