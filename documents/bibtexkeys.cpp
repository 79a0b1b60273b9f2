// SPDX-License-Identifier: GPL-3.0-or-later
#include "bibtexkeys.h"

#include "citation.h"

namespace documents {

namespace {

// Letters that no decomposition takes to ASCII.
QString foldedLetter(QChar letter)
{
    switch (letter.unicode()) {
    case u'ø': return QStringLiteral("o");
    case u'Ø': return QStringLiteral("O");
    case u'æ': return QStringLiteral("ae");
    case u'Æ': return QStringLiteral("AE");
    case u'ß': return QStringLiteral("ss");
    case u'ð': return QStringLiteral("d");
    case u'Ð': return QStringLiteral("D");
    case u'þ': return QStringLiteral("th");
    case u'Þ': return QStringLiteral("Th");
    default: return QString(letter);
    }
}

// The key's two halves, around the place of the letter that tells papers apart.
struct KeyParts
{
    QString authorYear;
    QString word;
    QString joined(const QString &letter = {}) const { return authorYear + letter + word; }
};

KeyParts keyParts(const Paper &paper)
{
    const QString family = paper.authors.isEmpty() ? QString() : paper.authors.first().family;
    return {asciiLetters(family) + conferenceYear,
            asciiLetters(paper.title.section(QLatin1Char(' '), 0, 0))};
}

} // namespace

QString asciiLetters(const QString &text)
{
    QString ascii;
    for (const QChar c : text) {
        for (const QChar part : foldedLetter(c).normalized(QString::NormalizationForm_D)) {
            if (part.unicode() < 128 && part.isLetterOrNumber())
                ascii += part;
        }
    }
    return ascii;
}

BibtexKeys::BibtexKeys(const QList<Paper> &papers)
{
    QHash<QString, int> sharing;
    for (const Paper &paper : papers)
        ++sharing[keyParts(paper).joined()];
    QHash<QString, int> lettered;
    for (const Paper &paper : papers) {
        const KeyParts parts = keyParts(paper);
        const QString key = parts.joined();
        m_keys.insert(paper.file,
                      sharing.value(key) > 1 ? parts.joined(QChar(u'a' + lettered[key]++)) : key);
    }
}

} // namespace documents
