// SPDX-License-Identifier: GPL-3.0-or-later
#include "standinpaper.h"

#include "catalogue/builtincontent.h"

#include <QHash>

namespace standins {

namespace {

template<std::size_t Size>
QString nameOf(const std::array<const char *, Size> &names, const char *code)
{
    return QString::fromUtf8(names.at(QByteArray(code).toUInt()));
}

} // namespace

QStringList StandinPaper::lines() const
{
    return {title,
            authors.join(QStringLiteral(", ")),
            QStringLiteral("Track: %1").arg(track),
            QStringLiteral("Session: %1").arg(session),
            QStringLiteral("Time slot: %1").arg(timeslot),
            QStringLiteral("This document stands in for the paper's full text, which is not "
                           "part of the program. Put the real papers in the folder the program "
                           "is started from, or in the one chosen from its message.")};
}

QList<StandinPaper> standinPapers()
{
    using namespace catalogue;
    QList<StandinPaper> papers;
    QHash<QString, qsizetype> byFile;
    for (const BuiltinRow &row : builtinRows) {
        const QString file = QString::fromUtf8(row.file);
        if (!byFile.contains(file)) {
            byFile.insert(file, papers.size());
            papers.append({file,
                           QString::fromUtf8(row.title),
                           {},
                           nameOf(trackNames, row.track),
                           nameOf(sessionNames, row.session),
                           nameOf(timeslotNames, row.timeslot)});
        }
        papers[byFile.value(file)].authors.append(QString::fromUtf8(row.firstname).trimmed()
                                                  + QLatin1Char(' ')
                                                  + QString::fromUtf8(row.lastname).trimmed());
    }
    return papers;
}

} // namespace standins
