// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paper.h"

#include <QHash>
#include <QString>

namespace documents {

// The BibTeX keys of a catalogue's papers: the first author's family name in
// ASCII letters, the year and the title's first word, with a letter after the
// year wherever papers would otherwise share a key.
class BibtexKeys
{
public:
    explicit BibtexKeys(const QList<Paper> &papers);

    // The key of the paper with the document file; empty for an unknown file.
    QString keyOf(const QString &file) const { return m_keys.value(file); }

private:
    QHash<QString, QString> m_keys;
};

// The letters of the text folded to ASCII ("Løvås" gives "Lovas"), all else dropped.
QString asciiLetters(const QString &text);

} // namespace documents
