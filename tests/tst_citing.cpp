// SPDX-License-Identifier: GPL-3.0-or-later
// A paper's reference and BibTeX entry, gathered from the built-in rows.
#include "catalogue/builtincontent.h"
#include "documents/bibtexentry.h"
#include "documents/bibtexkeys.h"
#include "documents/citation.h"
#include "support/designfacts.h"

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
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("html"); // not looked at when empty
    QTest::newRow("one author, a keynote")
        << "3.doc"
        << "van Dijk, P. (2002). Regions as Engines of Innovation: A Twenty-Year Retrospective "
           "[Paper presentation]. 4th Brevanor Conference 2002, Keynotes."
        << "";
    QTest::newRow("four authors")
        << "6.doc"
        << "Løvås, E., Kaya, G., Vestergaard, A., & Verhoeven, A. (2002, November 8). Contract "
           "Research, Consultancy and Informal Contacts: Mapping University-Industry Linkages in "
           "the Portuguese Moulds Industry [Paper presentation]. 4th Brevanor Conference 2002, 1) "
           "Managing Intra-organisational Entrepreneurship, University - Industry Linkages."
        << "";
    QTest::newRow("five authors")
        << "71.doc"
        << "Haugland, Ø., Yücel, M., Tanaka, H., Bertolini, G., & Nyström, B. (2002, November 6). "
           "Managing Research across Institutional Boundaries: Joint Centres of Universities, "
           "Hospitals and Firms [Paper presentation]. 4th Brevanor Conference 2002, 9) Science - "
           "The Managed Frontier. Research Management at the Boundaries, Research Management on "
           "the Institutional Boundaries."
        << "";
    QTest::newRow("hyphenated given name, trailing blank")
        << "47.pdf"
        << "Thygesen, H.-C. (2002, November 8). Designing Cluster Policies: From Picking Winners "
           "to Building Networks [Paper presentation]. 4th Brevanor Conference 2002, 11) Brevanor "
           "and Regional Innovation Clusters, Designing Brevanor Policies."
        << "";
    QTest::newRow("two given names and a double blank")
        << "61.doc"
        << "Nowak, A., Bertolini, M. T., & Bergström, P. (2002, November 6). Incubators as "
           "Learning Organisations: Evidence from Twelve Nordic Science Parks [Paper "
           "presentation]. 4th Brevanor Conference 2002, 1) Managing Intra-organisational "
           "Entrepreneurship, Enabling Venture Development."
        << "";
    QTest::newRow("initials before the family name, a double blank in the title")
        << "33.doc"
        << "Fitzgerald, P. J. (2002, November 6). Delphi Surveys Reconsidered: Methodological "
           "Lessons from Three National Foresight Exercises [Paper presentation]. 4th Brevanor "
           "Conference 2002, 10) Technology Foresight in the Brevanor, Methodological Aspects of "
           "Foresight."
        << "";
    QTest::newRow("two titles: the first row's")
        << "39.doc"
        << "Lefèvre, J., & Petrauskas, M. (2002, November 6). Experts on Air: Scientists as "
           "Sources in Television News [Paper presentation]. 4th Brevanor Conference 2002, 3) Mass "
           "Mediating between the Public, Science and Industry, Constructing Science in the Mass "
           "Media."
        << "";
    QTest::newRow("ampersand in the title")
        << "144.doc"
        << "di Stefano, C. (2002, November 8). Virtual Laboratories and the Reorganisation of "
           "Corporate R&D [Paper presentation]. 4th Brevanor Conference 2002, 1) Managing "
           "Intra-organisational Entrepreneurship, New Organizational Forms in Research."
        << "di Stefano, C. (2002, November 8). <i>Virtual Laboratories and the Reorganisation of "
           "Corporate R&amp;D</i> [Paper presentation]. 4th Brevanor Conference 2002, 1) Managing "
           "Intra-organisational Entrepreneurship, New Organizational Forms in Research.";
}

void TestCiting::citation()
{
    QFETCH(QString, file);
    QFETCH(QString, text);
    QFETCH(QString, html);
    const documents::Citation citation(documents::paperOf(m_state, file));
    QCOMPARE(citation.text(), text);
    if (!html.isEmpty())
        QCOMPARE(citation.html(), html);
}

void TestCiting::bibtexEntry_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("entry");
    QTest::newRow("one author, a particle, a keynote")
        << "3.doc"
        << "@inproceedings{vanDijk2002Regions,\n"
           "  author = {van Dijk, Pieter},\n"
           "  title = {{Regions} as {Engines} of {Innovation}: {A} {Twenty}-{Year} "
           "{Retrospective}},\n"
           "  booktitle = {4th Brevanor Conference 2002},\n"
           "  year = {2002},\n"
           "  month = nov,\n"
           "  note = {Keynotes}\n}\n";
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
    QCOMPARE(documents::BibtexEntry(documents::paperOf(m_state, file), keys.keyOf(file)).text(),
             entry);
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

QTEST_GUILESS_MAIN(TestCiting)
#include "tst_citing.moc"
