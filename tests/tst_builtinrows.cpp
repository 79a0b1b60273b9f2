// The shape of the built-in rows, computed from a loaded catalogue: the counts
// of papers, files, authors and codes, and the oddities the rows carry on
// purpose (blanks, a paper with two titles, rows filed under another session).
#include "catalogue/builtincontent.h"
#include "catalogue/catalogue.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <vector>

using namespace catalogue;

namespace {

// One paper: the run of adjacent rows that share a file name.
struct Paper
{
    QString file;
    int firstRow = 0;
    int rowCount = 0;
};

QString withoutTrailingBlanks(QString text)
{
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

// Length of the longest strictly ascending subsequence.
int longestAscending(const std::vector<int> &values)
{
    std::vector<int> tails;
    for (int value : values) {
        auto at = std::lower_bound(tails.begin(), tails.end(), value);
        if (at == tails.end())
            tails.push_back(value);
        else
            *at = value;
    }
    return int(tails.size());
}

bool isPrintableLatin1(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x20 && u <= 0x7e) || (u >= 0xa0 && u <= 0xff);
}

bool hasAccentedLetter(const QString &text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0xc0 && c.isLetter(); });
}

} // namespace

class TestBuiltinRows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyRowHoldsTextCodesAndFile();
    void rowsOfAPaperStandTogether();
    void counts_data();
    void counts();
    void rowsPerCode_data();
    void rowsPerCode();
    void keynotesAreThreeSingleRows();
    void sessionsInUse();
    void lengths_data();
    void lengths();
    void namesHaveInitialsAndParticles();
    void onlyPrintableLatin1WithAccents();

private:
    QString text(int row, int column) const { return m_state.papers(row, column).text(); }
    int code(int row, int column) const { return m_state.papers(row, column).toInt16(); }
    int fileNumber(const Paper &paper) const { return paper.file.section(u'.', 0, 0).toInt(); }
    QSet<QString> texts(int row, int count, int column) const;
    QSet<QString> distinctTitles(const std::function<bool(const QString &)> &keep) const;
    int rowsWhere(const std::function<bool(int row)> &keep) const;
    int papersWhere(const std::function<bool(const Paper &)> &keep) const;

    Catalogue m_state;
    QList<Paper> m_papers;
};

void TestBuiltinRows::initTestCase()
{
    m_state.papercount = builtinPaperCount;
    writeBuiltinRows(m_state);
    for (int row = 1; row <= m_state.papercount; ++row) {
        const QString fileName = text(row, file);
        if (m_papers.isEmpty() || m_papers.last().file != fileName)
            m_papers.append({fileName, row, 0});
        ++m_papers.last().rowCount;
    }
}

QSet<QString> TestBuiltinRows::texts(int row, int count, int column) const
{
    QSet<QString> result;
    for (int r = row; r < row + count; ++r)
        result.insert(text(r, column));
    return result;
}

QSet<QString>
TestBuiltinRows::distinctTitles(const std::function<bool(const QString &)> &keep) const
{
    QSet<QString> result;
    for (int row = 1; row <= m_state.papercount; ++row) {
        if (keep(text(row, title)))
            result.insert(text(row, title));
    }
    return result;
}

int TestBuiltinRows::rowsWhere(const std::function<bool(int row)> &keep) const
{
    int count = 0;
    for (int row = 1; row <= m_state.papercount; ++row)
        count += keep(row) ? 1 : 0;
    return count;
}

int TestBuiltinRows::papersWhere(const std::function<bool(const Paper &)> &keep) const
{
    return int(std::count_if(m_papers.begin(), m_papers.end(), keep));
}

void TestBuiltinRows::everyRowHoldsTextCodesAndFile()
{
    static const QRegularExpression codeText(QStringLiteral("^[1-9][0-9]*$"));
    static const QRegularExpression fileName(QStringLiteral("^[1-9][0-9]*\\.(doc|pdf)$"));
    const int highest[] = {0, 0, 0, 0, trackSlots - 1, timeslotSlots - 1, sessionSlots - 2};

    for (int row = 1; row <= m_state.papercount; ++row) {
        for (int column = firstname; column <= file; ++column)
            QVERIFY2(m_state.papers(row, column).isText(), qPrintable(QString::number(row)));
        for (int column = track; column <= session; ++column) {
            QVERIFY2(codeText.match(text(row, column)).hasMatch(), qPrintable(text(row, column)));
            QVERIFY(code(row, column) >= 1 && code(row, column) <= highest[column]);
        }
        QVERIFY2(fileName.match(text(row, file)).hasMatch(), qPrintable(text(row, file)));
        QVERIFY(text(row, file).size() >= 5 && text(row, file).size() <= 7);
    }
}

void TestBuiltinRows::rowsOfAPaperStandTogether()
{
    QSet<QString> seen;
    for (const Paper &paper : std::as_const(m_papers)) {
        QVERIFY2(!seen.contains(paper.file), qPrintable(paper.file + " is split"));
        seen.insert(paper.file);
    }
}

void TestBuiltinRows::counts_data()
{
    QTest::addColumn<int>("computed");
    QTest::addColumn<int>("expected");

    const auto add = [](const char *name, int computed, int expected) {
        QTest::newRow(name) << computed << expected;
    };
    const auto rowsOf = [this](const QString &extension) {
        int rows = 0;
        for (const Paper &paper : std::as_const(m_papers))
            rows += paper.file.endsWith(extension) ? paper.rowCount : 0;
        return rows;
    };
    const auto papersWithRows = [this](int count) {
        return papersWhere([count](const Paper &p) { return p.rowCount == count; });
    };

    add("papers", int(m_papers.size()), 98);
    add("papers with 1 row", papersWithRows(1), 48);
    add("papers with 2 rows", papersWithRows(2), 29);
    add("papers with 3 rows", papersWithRows(3), 14);
    add("papers with 4 rows", papersWithRows(4), 5);
    add("papers with 5 rows", papersWithRows(5), 2);
    add(".doc papers", papersWhere([](const Paper &p) { return p.file.endsWith(".doc"); }), 77);
    add(".doc rows", rowsOf(QStringLiteral(".doc")), 140);
    add(".pdf papers", papersWhere([](const Paper &p) { return p.file.endsWith(".pdf"); }), 21);
    add(".pdf rows", rowsOf(QStringLiteral(".pdf")), 38);

    std::vector<int> numbers;
    QSet<QString> fileNames;
    for (const Paper &paper : std::as_const(m_papers)) {
        numbers.push_back(fileNumber(paper));
        fileNames.insert(paper.file);
    }
    const std::vector<int> inOrder = numbers;
    std::sort(numbers.begin(), numbers.end());
    add("lowest file number", numbers.front(), 2);
    add("highest file number", numbers.back(), 214);
    const int differentNumbers = int(std::unique(numbers.begin(), numbers.end()) - numbers.begin());
    add("different file numbers", differentNumbers, 98);
    // "6.doc" next to "6.pdf" would be two file names for one number.
    add("file names sharing a number", int(fileNames.size()) - differentNumbers, 0);
    // Out of order: how many papers must be taken away for the rest to ascend.
    add("papers out of order", int(inOrder.size()) - longestAscending(inOrder), 5);

    QHash<QString, QSet<QString>> papersOfAuthor;
    for (int row = 1; row <= m_state.papercount; ++row) {
        const QString author = withoutTrailingBlanks(text(row, firstname)) + u'\n'
                               + withoutTrailingBlanks(text(row, lastname));
        papersOfAuthor[author].insert(text(row, file));
    }
    int authorsOnSeveral = 0;
    int mostPapers = 0;
    for (const QSet<QString> &files : std::as_const(papersOfAuthor)) {
        authorsOnSeveral += files.size() > 1 ? 1 : 0;
        mostPapers = std::max(mostPapers, int(files.size()));
    }
    add("different authors", int(papersOfAuthor.size()), 165);
    add("authors on more than one paper", authorsOnSeveral, 9);
    add("most papers of one author", mostPapers, 4);

    const auto papersWithSeveral = [this](int column) {
        return papersWhere([this, column](const Paper &p) {
            return texts(p.firstRow, p.rowCount, column).size() > 1;
        });
    };
    add("papers with two titles", papersWhere([this](const Paper &p) {
            return p.rowCount == 2 && texts(p.firstRow, 2, title).size() == 2;
        }),
        1);
    add("papers with differing titles", papersWithSeveral(title), 1);
    add("papers with differing sessions", papersWithSeveral(session), 2);
    add("papers with one row in another session", papersWhere([this](const Paper &p) {
            QHash<QString, int> rowsOfSession;
            for (int r = p.firstRow; r < p.firstRow + p.rowCount; ++r)
                ++rowsOfSession[text(r, session)];
            return rowsOfSession.size() == 2
                   && std::min(rowsOfSession.begin().value(),
                               std::next(rowsOfSession.begin()).value())
                          == 1;
        }),
        2);
    add("papers with differing tracks", papersWithSeveral(track), 0);
    add("papers with differing timeslots", papersWithSeveral(timeslot), 0);

    const auto endsInBlank = [](const QString &t) { return t.endsWith(u' '); };
    const auto hasDoubleBlank = [](const QString &t) { return t.contains(QStringLiteral("  ")); };
    add("given names ending in a blank",
        rowsWhere([&](int r) { return endsInBlank(text(r, firstname)); }), 64);
    add("family names ending in a blank",
        rowsWhere([&](int r) { return endsInBlank(text(r, lastname)); }), 14);
    add("title rows ending in a blank",
        rowsWhere([&](int r) { return endsInBlank(text(r, title)); }), 12);
    add("titles ending in a blank", int(distinctTitles(endsInBlank).size()), 7);
    add("titles with a double blank", int(distinctTitles(hasDoubleBlank).size()), 5);
    add("given names with a double blank",
        rowsWhere([&](int r) { return hasDoubleBlank(text(r, firstname)); }), 1);
    add("titles with an acute accent",
        int(distinctTitles([](const QString &t) { return t.contains(QChar(0x00b4)); }).size()), 1);
}

void TestBuiltinRows::counts()
{
    QFETCH(int, computed);
    QFETCH(int, expected);
    QCOMPARE(computed, expected);
}

void TestBuiltinRows::rowsPerCode_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("expected");

    const int perTrack[] = {3, 21, 28, 8, 9, 14, 7, 7, 13, 14, 20, 9, 23, 2};
    for (int i = 0; i < 14; ++i)
        QTest::addRow("track %d", i + 1) << int(track) << i + 1 << perTrack[i];
    const int perTimeslot[] = {3, 24, 34, 36, 34, 27, 20};
    for (int i = 0; i < 7; ++i)
        QTest::addRow("timeslot %d", i + 1) << int(timeslot) << i + 1 << perTimeslot[i];
    QTest::newRow("session 1") << int(session) << 1 << 3;
    QTest::newRow("session 26") << int(session) << 26 << 0;
}

void TestBuiltinRows::rowsPerCode()
{
    QFETCH(int, column);
    QFETCH(int, code);
    QFETCH(int, expected);
    QCOMPARE(rowsWhere([&](int row) { return this->code(row, column) == code; }), expected);
}

void TestBuiltinRows::keynotesAreThreeSingleRows()
{
    QSet<QString> keynoteFiles;
    int rowsWithCodeOne = 0;
    for (int row = 1; row <= m_state.papercount; ++row) {
        const bool keynote =
            code(row, track) == 1 && code(row, timeslot) == 1 && code(row, session) == 1;
        const bool anyOne =
            code(row, track) == 1 || code(row, timeslot) == 1 || code(row, session) == 1;
        rowsWithCodeOne += anyOne ? 1 : 0;
        if (keynote)
            keynoteFiles.insert(text(row, file));
    }
    QCOMPARE(keynoteFiles.size(), 3);
    // Code 1 in any column marks a keynote row and nothing else.
    QCOMPARE(rowsWithCodeOne, 3);
}

void TestBuiltinRows::sessionsInUse()
{
    QHash<int, int> rowsOfSession;
    QHash<int, QSet<QPair<int, int>>> placesOfSession;
    for (int row = 1; row <= m_state.papercount; ++row) {
        const int s = code(row, session);
        ++rowsOfSession[s];
        placesOfSession[s].insert({code(row, track), code(row, timeslot)});
    }
    int fewest = 178;
    int most = 0;
    for (int s = 1; s <= 48; ++s) {
        QCOMPARE(rowsOfSession.contains(s), s != 26);
        if (s == 26)
            continue;
        fewest = std::min(fewest, rowsOfSession.value(s));
        most = std::max(most, rowsOfSession.value(s));
    }
    QCOMPARE(rowsOfSession.size(), 47);
    QCOMPARE(fewest, 1);
    QCOMPARE(most, 13);
    const int spread = int(std::count_if(placesOfSession.begin(), placesOfSession.end(),
                                         [](const auto &places) { return places.size() > 1; }));
    QCOMPARE(spread, 5);
}

void TestBuiltinRows::lengths_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("shortest");
    QTest::addColumn<int>("longest");
    QTest::newRow("given name") << int(firstname) << 2 << 14;
    QTest::newRow("family name") << int(lastname) << 3 << 22;
    QTest::newRow("title") << int(title) << 32 << 243;
}

void TestBuiltinRows::lengths()
{
    QFETCH(int, column);
    QFETCH(int, shortest);
    QFETCH(int, longest);
    qsizetype low = 1000;
    qsizetype high = 0;
    for (int row = 1; row <= m_state.papercount; ++row) {
        low = std::min(low, text(row, column).size());
        high = std::max(high, text(row, column).size());
    }
    QCOMPARE(low, qsizetype(shortest));
    QCOMPARE(high, qsizetype(longest));
}

void TestBuiltinRows::namesHaveInitialsAndParticles()
{
    static const QRegularExpression initialsOnly(QStringLiteral("^([A-Z]\\.)+ *$"));
    static const QRegularExpression leadingInitial(QStringLiteral("^([A-Z]\\. )+\\S"));
    const int givenInitials =
        rowsWhere([this](int r) { return initialsOnly.match(text(r, firstname)).hasMatch(); });
    const int familyInitials =
        rowsWhere([this](int r) { return leadingInitial.match(text(r, lastname)).hasMatch(); });
    const int particles = rowsWhere([this](int r) {
        return text(r, lastname).front().isLower() && text(r, lastname).contains(u' ');
    });
    QCOMPARE(givenInitials, 1);
    QVERIFY2(familyInitials >= 2, qPrintable(QString::number(familyInitials)));
    QVERIFY2(particles >= 2, qPrintable(QString::number(particles)));
}

void TestBuiltinRows::onlyPrintableLatin1WithAccents()
{
    int accentedNames = 0;
    int accentedTitles = 0;
    for (int row = 1; row <= m_state.papercount; ++row) {
        for (int column = firstname; column <= file; ++column) {
            const QString cell = text(row, column);
            QVERIFY2(std::all_of(cell.begin(), cell.end(), isPrintableLatin1), qPrintable(cell));
        }
        accentedNames += hasAccentedLetter(text(row, firstname) + text(row, lastname)) ? 1 : 0;
        accentedTitles += hasAccentedLetter(text(row, title)) ? 1 : 0;
    }
    QVERIFY(accentedNames > 0);
    QVERIFY(accentedTitles > 0);
}

QTEST_GUILESS_MAIN(TestBuiltinRows)
#include "tst_builtinrows.moc"
