// SPDX-License-Identifier: GPL-3.0-or-later
// A paper's reference and BibTeX entry, gathered from the built-in rows; every
// entry read back by a BibTeX reader.
#include "catalogue/builtincontent.h"
#include "documents/bibtexentry.h"
#include "documents/bibtexkeys.h"
#include "documents/citation.h"
#include "support/designfacts.h"

#include <QProcess>
#include <QtTest>

class TestCiting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void citation_data();
    void citation();
    void bibtexEntry_data();
    void bibtexEntry();
    void texEscapes_data();
    void texEscapes();
    void keys_data();
    void keys();
    void everyEntryReadsBack();

private:
    catalogue::Catalogue m_state;
};

void TestCiting::initTestCase()
{
    m_state.papercount = facts::paperCount;
    catalogue::writeBuiltinRows(m_state);
    catalogue::writeTracks(m_state);
    catalogue::writeTimeslots(m_state);
    catalogue::writeSessions(m_state);
}

void TestCiting::citation_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text"); // the part of the reference that the row is about
    QTest::addColumn<QString>("html"); // the part of its HTML, if any
    QTest::newRow("one author, a keynote")
        << "3.doc"
        << "van Dijk, P. (2002). Regions as Engines of Innovation: A Twenty-Year Retrospective "
           "[Paper presentation]. 4th Brevanor Conference 2002, Keynotes."
        << QString();
    QTest::newRow("five authors")
        << "71.doc"
        << "Haugland, Ø., Yücel, M., Tanaka, H., Bertolini, G., & Nyström, B. (2002, November 6). "
           "Managing Research across Institutional Boundaries: Joint Centres of Universities, "
           "Hospitals and Firms [Paper presentation]. 4th Brevanor Conference 2002, 9) Science - "
           "The Managed Frontier. Research Management at the Boundaries, Research Management on "
           "the Institutional Boundaries."
        << QString();
    QTest::newRow("hyphenated given name, trailing blank")
        << "47.pdf"
        << "Thygesen, H.-C. (2002, November 8). Designing" << QString();
    QTest::newRow("two given names and a double blank")
        << "61.doc"
        << "Nowak, A., Bertolini, M. T., & Bergström, P. (2002" << QString();
    QTest::newRow("initials before the family name, a double blank in the title")
        << "33.doc"
        << "Fitzgerald, P. J. (2002, November 6). Delphi Surveys Reconsidered:" << QString();
    QTest::newRow("two authors, two titles: the first row's")
        << "39.doc"
        << "J., & Petrauskas, M. (2002, November 6). Experts on Air: Scientists as Sources in "
           "Television News ["
        << QString();
    QTest::newRow("ampersand in the title")
        << "144.doc"
        << "Corporate R&D [Paper"
        << "<i>Virtual Laboratories and the Reorganisation of Corporate R&amp;D</i> [Paper";
}

void TestCiting::citation()
{
    QFETCH(QString, file);
    QFETCH(QString, text);
    QFETCH(QString, html);
    const documents::Citation citation(documents::paperOf(m_state, file));
    QVERIFY2(citation.text().contains(text), qPrintable(citation.text()));
    QVERIFY2(citation.html().contains(html), qPrintable(citation.html()));
}

void TestCiting::bibtexEntry_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("entry"); // or the part of it that the row is about
    // A keynote's track, session and slot, all "Keynotes", are said once.
    QTest::newRow("one author, a keynote") << "3.doc"
                                           << "  note = {Keynotes}\n}\n";
    QTest::newRow("five authors")
        << "71.doc"
        << "@inproceedings{Haugland2002Managing,\n"
           "  author = {Haugland, Øystein and Yücel, Mehmet and Tanaka, Hiroshi and Bertolini, "
           "Giovanni and Nyström, Björn},\n"
           "  title = {{Managing} {Research} across {Institutional} {Boundaries}: {Joint} "
           "{Centres} of {Universities}, {Hospitals} and {Firms}},\n"
           "  booktitle = {4th Brevanor Conference 2002},\n"
           "  year = {2002},\n"
           "  month = nov,\n"
           "  note = {9) Science - The Managed Frontier. Research Management at the Boundaries; "
           "Research Management on the Institutional Boundaries; Wednesday 6 Nov., "
           "13:00-14:40}\n}\n";
}

void TestCiting::bibtexEntry()
{
    QFETCH(QString, file);
    QFETCH(QString, entry);
    const documents::BibtexKeys keys(documents::allPapers(m_state));
    const QString text =
        documents::BibtexEntry(documents::paperOf(m_state, file), keys.keyOf(file)).text();
    QVERIFY2(text.endsWith(entry) && text.startsWith("@inproceedings{"), qPrintable(text));
}

void TestCiting::texEscapes_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("written");
    QTest::newRow("every special character")
        << R"(100% $5 #1 a_b {c} ~ ^ \)"
        << R"(100\% \$5 \#1 a\_b \{c\} \textasciitilde{} \textasciicircum{} \textbackslash{})";
    QTest::newRow("capitals beside escapes, beyond ASCII")
        << "S&T ~Über´s"
        << R"({S}\&{T} \textasciitilde{}{Über}´s)";
}

void TestCiting::texEscapes()
{
    QFETCH(QString, title);
    QFETCH(QString, written);
    QCOMPARE(documents::protectedTitle(title), written);
}

void TestCiting::keys_data()
{
    QTest::addColumn<QStringList>("files"); // of papers by the same first author
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("four papers of one author")
        << QStringList{"11.doc", "15.doc", "67.doc", "135.pdf"}
        << QStringList{"Celik2002Network", "Celik2002Agricultural", "Celik2002The",
                       "Celik2002Benchmarking"};
    QTest::newRow("folded to ASCII")
        << QStringList{"6.doc", "31.pdf"}
        << QStringList{"Lovas2002Contract", "delaFuenteIzquierdo2002Uncertainty"};
    // A file listed again stands for another paper of the same rows: two
    // papers whose keys would be alike get letters in their order.
    QTest::newRow("alike, told apart")
        << QStringList{"81.doc", "81.doc", "95.doc"}
        << QStringList{"Bohm2002aThe", "Bohm2002bThe", "Bohm2002ThirdStream"};
}

void TestCiting::keys()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, expected);
    QList<documents::Paper> papers;
    for (const QString &file : files) {
        documents::Paper paper = documents::paperOf(m_state, file);
        paper.file += QString(files.indexOf(file) < papers.size() ? 1 : 0, QLatin1Char('\''));
        papers.append(paper);
    }
    const documents::BibtexKeys keys(papers);
    QStringList got;
    for (const documents::Paper &paper : papers)
        got.append(keys.keyOf(paper.file));
    QCOMPARE(got, expected);
}

// Every paper's entry, and every row's file, names and title as stored, read
// by a BibTeX reader that checks one against the other.
void TestCiting::everyEntryReadsBack()
{
    if (QStringLiteral(BIBTEX_READER).isEmpty())
        QSKIP("no BibTeX reader here");
    QTemporaryDir folder;
    QFile bib(folder.filePath("papers.bib")), rows(folder.filePath("rows.tsv"));
    QVERIFY(bib.open(QIODevice::WriteOnly) && rows.open(QIODevice::WriteOnly));
    const QList<documents::Paper> papers = documents::allPapers(m_state);
    const documents::BibtexKeys keys(papers);
    for (const documents::Paper &paper : papers)
        bib.write(documents::BibtexEntry(paper, keys.keyOf(paper.file)).text().toUtf8() + '\n');
    using namespace catalogue::column;
    for (int row = 1; row <= m_state.papercount; ++row) {
        QStringList cells;
        for (const int cell : {file, firstname, lastname, title})
            cells.append(m_state.papers(row, cell).text());
        rows.write(cells.join('\t').toUtf8() + '\n');
    }
    bib.close();
    rows.close();
    QProcess reader;
    reader.setProcessChannelMode(QProcess::MergedChannels);
    reader.start(BIBTEX_READER, {BIBTEX_CHECK, folder.path()});
    QVERIFY(reader.waitForFinished());
    QVERIFY2(reader.exitCode() == 0, reader.readAll().constData());
}

QTEST_GUILESS_MAIN(TestCiting)
#include "tst_citing.moc"
