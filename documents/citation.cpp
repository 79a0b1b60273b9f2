// SPDX-License-Identifier: GPL-3.0-or-later
#include "citation.h"

#include <QRegularExpression>
#include <QStringList>

namespace documents {

namespace {

const QStringList monthNames{
    QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
    QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
    QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
    QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};

QString initialOf(const QString &name)
{
    return name.isEmpty() ? QString() : name.left(1).toUpper() + QLatin1Char('.');
}

} // namespace

SlotDate dateOfSlot(const QString &timeslot)
{
    static const QRegularExpression dayAndMonth(QStringLiteral("\\b(\\d{1,2}) (\\p{L}{3})"));
    const QRegularExpressionMatch match = dayAndMonth.match(timeslot);
    if (!match.hasMatch())
        return {};
    for (const QString &month : monthNames) {
        if (month.startsWith(match.captured(2)))
            return {month, match.captured(1)};
    }
    return {};
}

QString initialsOf(const QString &givenNames)
{
    // A full stop ends a name as a blank does: "J.R." is two.
    QStringList names;
    for (const QString &name : QString(givenNames)
                                   .replace(QLatin1Char('.'), QLatin1Char(' '))
                                   .split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QStringList parts;
        for (const QString &part : name.split(QLatin1Char('-'), Qt::SkipEmptyParts))
            parts.append(initialOf(part));
        names.append(parts.join(QLatin1Char('-')));
    }
    return names.join(QLatin1Char(' '));
}

Citation::Citation(const Paper &paper)
    : m_paper(paper)
{
}

QString Citation::text() const
{
    return QStringLiteral("%1 %2. %3 [Paper presentation]. %4.")
        .arg(authors(), date(), m_paper.title, where());
}

QString Citation::html() const
{
    return QStringLiteral("%1 %2. <i>%3</i> [Paper presentation]. %4.")
        .arg(authors().toHtmlEscaped(), date().toHtmlEscaped(), m_paper.title.toHtmlEscaped(),
             where().toHtmlEscaped());
}

QString Citation::authors() const
{
    QStringList names;
    for (const Author &author : m_paper.authors) {
        const QString initials = initialsOf(author.given + QLatin1Char(' ') + author.middle);
        names.append(initials.isEmpty() ? author.family
                                        : author.family + QStringLiteral(", ") + initials);
    }
    if (names.size() > 1)
        names.last().prepend(QStringLiteral("& "));
    return names.join(QStringLiteral(", "));
}

QString Citation::date() const
{
    const SlotDate slot = dateOfSlot(m_paper.timeslot);
    if (slot.month.isEmpty())
        return QStringLiteral("(%1)").arg(conferenceYear);
    return QStringLiteral("(%1, %2 %3)").arg(conferenceYear, slot.month, slot.day);
}

// The track, then the session unless it only repeats the track's name.
QString Citation::where() const
{
    QStringList parts{conferenceName, m_paper.track};
    if (m_paper.session != m_paper.track)
        parts.append(m_paper.session);
    parts.removeAll(QString());
    return parts.join(QStringLiteral(", "));
}

} // namespace documents
