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
#include <tuple>
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

struct FileNumbers
{
    int lowest;
    int highest;
    int different;
    int sharingANumber;
    int outOfOrder;
};

struct Authors
{
    int different;
    int onSeveralPapers;
    int mostPapers;
};

// A count over the loaded rows, worked out when its test row runs.
using Count = std::function<int()>;

} // namespace

Q_DECLARE_METATYPE(Count)

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
    int papersWithSeveral(int column) const
    {
        return papersWhere([this, column](const Paper &p) {
            return texts(p.firstRow, p.rowCount, column).size() > 1;
        });
    }
    FileNumbers fileNumbers() const;
    Authors authors() const;

    Catalogue m_state;
    QList<Paper> m_papers;
};

void TestBuiltinRows::initTestCase()
{
    m_state.papercount = builtinPaperCount;
    writeBuiltinRows(m_state);
    for (int row = 1; row <= m_state.papercount; ++row) {
        const QString fileName = text(row, column::file);
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
        if (keep(text(row, column::title)))
            result.insert(text(row, column::title));
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

FileNumbers TestBuiltinRows::fileNumbers() const
{
    std::vector<int> numbers;
    QSet<QString> fileNames;
    for (const Paper &paper : std::as_const(m_papers)) {
        numbers.push_back(fileNumber(paper));
        fileNames.insert(paper.file);
    }
    const int outOfOrder = int(numbers.size()) - longestAscending(numbers);
    std::sort(numbers.begin(), numbers.end());
    const int different = int(std::unique(numbers.begin(), numbers.end()) - numbers.begin());
    return {numbers.front(), numbers.back(), different, int(fileNames.size()) - different,
            outOfOrder};
}

Authors TestBuiltinRows::authors() const
{
    QHash<QString, QSet<QString>> papersOfAuthor;
    for (int row = 1; row <= m_state.papercount; ++row) {
        const QString author = withoutTrailingBlanks(text(row, column::firstname)) + u'\n'
                               + withoutTrailingBlanks(text(row, column::lastname));
        papersOfAuthor[author].insert(text(row, column::file));
    }
    Authors result{int(papersOfAuthor.size()), 0, 0};
    for (const QSet<QString> &files : std::as_const(papersOfAuthor)) {
        result.onSeveralPapers += files.size() > 1 ? 1 : 0;
        result.mostPapers = std::max(result.mostPapers, int(files.size()));
    }
    return result;
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
        for (int c = column::firstname; c <= column::file; ++c)
            QVERIFY2(m_state.papers(row, c).isText(), qPrintable(QString::number(row)));
        for (int c = column::track; c <= column::session; ++c) {
            QVERIFY2(codeText.match(text(row, c)).hasMatch(), qPrintable(text(row, c)));
            QVERIFY(code(row, c) >= 1 && code(row, c) <= highest[c]);
        }
        QVERIFY2(fileName.match(text(row, column::file)).hasMatch(),
                 qPrintable(text(row, column::file)));
        QVERIFY(text(row, column::file).size() >= 5 && text(row, column::file).size() <= 7);
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
    QTest::addColumn<Count>("count");
    QTest::addColumn<int>("expected");

    const auto add = [](const char *name, int expected, const Count &count) {
        QTest::newRow(name) << count << expected;
    };
    add("papers", 98, [this] { return int(m_papers.size()); });
    const int papersWithRows[] = {48, 29, 14, 5, 2};
    for (int n = 1; n <= 5; ++n) {
        QTest::addRow("papers with %d row%s", n, n == 1 ? "" : "s") << Count([this, n] {
            return papersWhere([n](const Paper &p) { return p.rowCount == n; });
        }) << papersWithRows[n - 1];
    }
    for (const auto &[type, papers, rows] :
         {std::tuple(".doc", 77, 140), std::tuple(".pdf", 21, 38)}) {
        const QString extension = QString::fromLatin1(type);
        QTest::addRow("%s papers", type) << Count([this, extension] {
            return papersWhere([&](const Paper &p) { return p.file.endsWith(extension); });
        }) << papers;
        QTest::addRow("%s rows", type) << Count([this, extension] {
            int count = 0;
            for (const Paper &paper : std::as_const(m_papers))
                count += paper.file.endsWith(extension) ? paper.rowCount : 0;
            return count;
        }) << rows;
    }

    add("lowest file number", 2, [this] { return fileNumbers().lowest; });
    add("highest file number", 214, [this] { return fileNumbers().highest; });
    add("different file numbers", 98, [this] { return fileNumbers().different; });
    // "6.doc" next to "6.pdf" would be two file names for one number.
    add("file names sharing a number", 0, [this] { return fileNumbers().sharingANumber; });
    // Out of order: how many papers must be taken away for the rest to ascend.
    add("papers out of order", 5, [this] { return fileNumbers().outOfOrder; });

    add("different authors", 165, [this] { return authors().different; });
    add("authors on more than one paper", 9, [this] { return authors().onSeveralPapers; });
    add("most papers of one author", 4, [this] { return authors().mostPapers; });

    add("papers with two titles", 1, [this] {
        return papersWhere([this](const Paper &p) {
            return p.rowCount == 2 && texts(p.firstRow, 2, column::title).size() == 2;
        });
    });
    add("papers with differing titles", 1, [this] { return papersWithSeveral(column::title); });
    add("papers with differing sessions", 2, [this] { return papersWithSeveral(column::session); });
    add("papers with one row in another session", 2, [this] {
        return papersWhere([this](const Paper &p) {
            QHash<QString, int> rowsOfSession;
            for (int r = p.firstRow; r < p.firstRow + p.rowCount; ++r)
                ++rowsOfSession[text(r, column::session)];
            return rowsOfSession.size() == 2
                   && std::min(rowsOfSession.begin().value(),
                               std::next(rowsOfSession.begin()).value())
                          == 1;
        });
    });
    add("papers with differing tracks", 0, [this] { return papersWithSeveral(column::track); });
    add("papers with differing timeslots", 0,
        [this] { return papersWithSeveral(column::timeslot); });

    const auto endsInBlank = [](const QString &t) { return t.endsWith(u' '); };
    const auto hasDoubleBlank = [](const QString &t) { return t.contains(QStringLiteral("  ")); };
    const auto rowsWhoseCell = [this](int column,
                                      const std::function<bool(const QString &)> &keep) {
        return Count([=, this] { return rowsWhere([&](int r) { return keep(text(r, column)); }); });
    };
    const auto titlesWhere = [this](const std::function<bool(const QString &)> &keep) {
        return Count([=, this] { return int(distinctTitles(keep).size()); });
    };
    add("given names ending in a blank", 64, rowsWhoseCell(column::firstname, endsInBlank));
    add("family names ending in a blank", 14, rowsWhoseCell(column::lastname, endsInBlank));
    add("title rows ending in a blank", 12, rowsWhoseCell(column::title, endsInBlank));
    add("titles ending in a blank", 7, titlesWhere(endsInBlank));
    add("titles with a double blank", 5, titlesWhere(hasDoubleBlank));
    add("given names with a double blank", 1, rowsWhoseCell(column::firstname, hasDoubleBlank));
    add("titles with an acute accent", 1,
        titlesWhere([](const QString &t) { return t.contains(QChar(0x00b4)); }));
}

void TestBuiltinRows::counts()
{
    QFETCH(Count, count);
    QFETCH(int, expected);
    QCOMPARE(count(), expected);
}

void TestBuiltinRows::rowsPerCode_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("expected");

    const int perTrack[] = {3, 21, 28, 8, 9, 14, 7, 7, 13, 14, 20, 9, 23, 2};
    for (int i = 0; i < 14; ++i)
        QTest::addRow("track %d", i + 1) << int(column::track) << i + 1 << perTrack[i];
    const int perTimeslot[] = {3, 24, 34, 36, 34, 27, 20};
    for (int i = 0; i < 7; ++i)
        QTest::addRow("timeslot %d", i + 1) << int(column::timeslot) << i + 1 << perTimeslot[i];
    QTest::newRow("session 1") << int(column::session) << 1 << 3;
    QTest::newRow("session 26") << int(column::session) << 26 << 0;
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
        const bool keynote = code(row, column::track) == 1 && code(row, column::timeslot) == 1
                             && code(row, column::session) == 1;
        const bool anyOne = code(row, column::track) == 1 || code(row, column::timeslot) == 1
                            || code(row, column::session) == 1;
        rowsWithCodeOne += anyOne ? 1 : 0;
        if (keynote)
            keynoteFiles.insert(text(row, column::file));
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
        const int s = code(row, column::session);
        ++rowsOfSession[s];
        placesOfSession[s].insert({code(row, column::track), code(row, column::timeslot)});
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
    QTest::newRow("given name") << int(column::firstname) << 2 << 14;
    QTest::newRow("family name") << int(column::lastname) << 3 << 22;
    QTest::newRow("title") << int(column::title) << 32 << 243;
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
    const int givenInitials = rowsWhere(
        [this](int r) { return initialsOnly.match(text(r, column::firstname)).hasMatch(); });
    const int familyInitials = rowsWhere(
        [this](int r) { return leadingInitial.match(text(r, column::lastname)).hasMatch(); });
    const int particles = rowsWhere([this](int r) {
        return text(r, column::lastname).front().isLower()
               && text(r, column::lastname).contains(u' ');
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
        for (int c = column::firstname; c <= column::file; ++c) {
            const QString cell = text(row, c);
            QVERIFY2(std::all_of(cell.begin(), cell.end(), isPrintableLatin1), qPrintable(cell));
        }
        accentedNames +=
            hasAccentedLetter(text(row, column::firstname) + text(row, column::lastname)) ? 1 : 0;
        accentedTitles += hasAccentedLetter(text(row, column::title)) ? 1 : 0;
    }
    QVERIFY(accentedNames > 0);
    QVERIFY(accentedTitles > 0);
}

QTEST_GUILESS_MAIN(TestBuiltinRows)
#include "tst_builtinrows.moc"
