// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paper.h"

#include <QString>

namespace documents {

// A paper's @inproceedings entry, as BibTeX and Biber read it: TeX's special
// characters escaped, letters beyond ASCII kept in UTF-8, the title's
// capitals protected from the styles' case changes.
class BibtexEntry
{
public:
    BibtexEntry(const Paper &paper, const QString &key);

    QString text() const;

private:
    QString authors() const;
    QString note() const;

    Paper m_paper;
    QString m_key;
};

// The text with TeX's special characters written as TeX reads them literally.
QString texEscaped(const QString &text);

// The escaped title with every word that holds a capital in braces.
QString protectedTitle(const QString &title);

} // namespace documents
