// SPDX-License-Identifier: GPL-3.0-or-later
#include "paper.h"

#include "catalogue/catalogue.h"

#include <QRegularExpression>

namespace documents {

namespace {

Author authorOfRow(const catalogue::Catalogue &state, int row)
{
    using namespace catalogue;
    static const QRegularExpression leadingInitials(QStringLiteral("^((?:\\p{Lu}\\. ?)+)(.+)$"));
    Author author{tidied(state.papers(row, column::firstname).text()),
                  {},
                  tidied(state.papers(row, column::lastname).text())};
    const QRegularExpressionMatch initials = leadingInitials.match(author.family);
    if (initials.hasMatch()) {
        author.middle = initials.captured(1).trimmed();
        author.family = initials.captured(2);
    }
    return author;
}

Paper startPaper(const catalogue::Catalogue &state, int row)
{
    using namespace catalogue;
    const auto code = [&](int column) { return state.papers(row, column).toInt16(); };
    return {state.papers(row, column::file).text(),
            {},
            tidied(state.papers(row, column::title).text()),
            tidied(state.tracks(code(column::track)).text()),
            tidied(state.sessions(code(column::session)).text()),
            tidied(state.timeslots(code(column::timeslot)).text())};
}

} // namespace

QString tidied(const QString &text)
{
    static const QRegularExpression blanks(QStringLiteral(" {2,}"));
    return text.trimmed().replace(blanks, QStringLiteral(" "));
}

Paper paperOf(const catalogue::Catalogue &state, const QString &file)
{
    Paper paper{file, {}, {}, {}, {}, {}};
    for (int row = 1; row <= state.papercount; ++row) {
        if (state.papers(row, catalogue::column::file).text() != file)
            continue;
        if (paper.authors.isEmpty())
            paper = startPaper(state, row);
        paper.authors.append(authorOfRow(state, row));
    }
    return paper;
}

QList<Paper> allPapers(const catalogue::Catalogue &state)
{
    QList<Paper> papers;
    QList<QString> files;
    for (int row = 1; row <= state.papercount; ++row) {
        const QString file = state.papers(row, catalogue::column::file).text();
        if (!files.contains(file)) {
            files.append(file);
            papers.append(paperOf(state, file));
        }
    }
    return papers;
}

} // namespace documents
