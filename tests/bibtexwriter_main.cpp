// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the BibTeX entry of every built-in paper into papers.bib and every
// catalogue row's file, names and title, as stored, into rows.tsv, both in the
// folder given, for a BibTeX reader to check.
#include "catalogue/builtincontent.h"
#include "documents/bibtexentry.h"
#include "documents/bibtexkeys.h"

#include <QFile>

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    catalogue::Catalogue state;
    state.papercount = catalogue::builtinPaperCount;
    catalogue::writeBuiltinRows(state);
    catalogue::writeTracks(state);
    catalogue::writeTimeslots(state);
    catalogue::writeSessions(state);

    const QString folder = QFile::decodeName(argv[1]);
    QFile bib(folder + QStringLiteral("/papers.bib"));
    QFile rows(folder + QStringLiteral("/rows.tsv"));
    if (!bib.open(QIODevice::WriteOnly) || !rows.open(QIODevice::WriteOnly))
        return 1;
    const QList<documents::Paper> papers = documents::allPapers(state);
    const documents::BibtexKeys keys(papers);
    for (const documents::Paper &paper : papers)
        bib.write(documents::BibtexEntry(paper, keys.keyOf(paper.file)).text().toUtf8() + '\n');
    using namespace catalogue;
    for (int row = 1; row <= state.papercount; ++row) {
        const QStringList cells{
            state.papers(row, column::file).text(), state.papers(row, column::firstname).text(),
            state.papers(row, column::lastname).text(), state.papers(row, column::title).text()};
        rows.write(cells.join(QLatin1Char('\t')).toUtf8() + '\n');
    }
    return 0;
}
