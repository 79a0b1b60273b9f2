// SPDX-License-Identifier: GPL-3.0-or-later
#include "bibtexentry.h"

#include "citation.h"

#include <QRegularExpression>
#include <QStringList>

namespace documents {

QString texEscaped(const QString &text)
{
    QString escaped;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&':
        case '%':
        case '$':
        case '#':
        case '_':
        case '{':
        case '}': escaped += QLatin1Char('\\') + c; break;
        case '~': escaped += QStringLiteral("\\textasciitilde{}"); break;
        case '^': escaped += QStringLiteral("\\textasciicircum{}"); break;
        case '\\': escaped += QStringLiteral("\\textbackslash{}"); break;
        default: escaped += c;
        }
    }
    return escaped;
}

QString protectedTitle(const QString &title)
{
    // Words are runs of letters and digits, so no brace holds a TeX command,
    // which BibTeX would read as one special character.
    static const QRegularExpression word(QStringLiteral("[\\p{L}\\p{N}]+"));
    const QString escaped = texEscaped(title);
    QString result;
    qsizetype done = 0;
    for (const QRegularExpressionMatch &match : word.globalMatch(escaped)) {
        const QString found = match.captured();
        const bool command =
            match.capturedStart() > 0 && escaped.at(match.capturedStart() - 1) == QLatin1Char('\\');
        const bool capital =
            std::any_of(found.begin(), found.end(), [](QChar c) { return c.isUpper(); });
        result += escaped.mid(done, match.capturedStart() - done);
        result += capital && !command ? QLatin1Char('{') + found + QLatin1Char('}') : found;
        done = match.capturedEnd();
    }
    return result + escaped.mid(done);
}

BibtexEntry::BibtexEntry(const Paper &paper, const QString &key)
    : m_paper(paper)
    , m_key(key)
{
}

QString BibtexEntry::text() const
{
    const SlotDate date = dateOfSlot(m_paper.timeslot);
    QStringList fields{
        QStringLiteral("author = {%1}").arg(authors()),
        QStringLiteral("title = {%1}").arg(protectedTitle(m_paper.title)),
        QStringLiteral("booktitle = {%1}").arg(conferenceName),
        QStringLiteral("year = {%1}").arg(conferenceYear),
    };
    // The conference was held in November: a slot without a date is one of its keynotes.
    fields.append(
        QStringLiteral("month = %1")
            .arg(date.month.isEmpty() ? QStringLiteral("nov") : date.month.left(3).toLower()));
    fields.append(QStringLiteral("note = {%1}").arg(note()));
    return QStringLiteral("@inproceedings{%1,\n  %2\n}\n")
        .arg(m_key, fields.join(QStringLiteral(",\n  ")));
}

QString BibtexEntry::authors() const
{
    QStringList names;
    for (const Author &author : m_paper.authors) {
        // "J.R." would be one given name to BibTeX, abbreviated "J.".
        static const QRegularExpression joinedInitials(QStringLiteral("\\.(?=\\w)"));
        const QString given = QStringList{author.given, author.middle}
                                  .join(QLatin1Char(' '))
                                  .trimmed()
                                  .replace(joinedInitials, QStringLiteral(". "));
        const QString family = texEscaped(author.family);
        names.append(given.isEmpty() ? QLatin1Char('{') + family + QLatin1Char('}')
                                     : family + QStringLiteral(", ") + texEscaped(given));
    }
    return names.join(QStringLiteral(" and "));
}

QString BibtexEntry::note() const
{
    // A keynote's track, session and slot are all "Keynotes": said once.
    QStringList parts{m_paper.track, m_paper.session, m_paper.timeslot};
    parts.removeAll(QString());
    parts.removeDuplicates();
    return texEscaped(parts.join(QStringLiteral("; ")));
}

} // namespace documents
