// SPDX-License-Identifier: GPL-3.0-or-later
// The shape of the built-in rows, computed from a loaded catalogue: the counts
// of papers, files, authors and codes, and the oddities the rows carry on
// purpose (blanks, a paper with two titles, rows filed under another session).
#include "catalogue/builtincontent.h"
#include "catalogue/catalogue.h"
#include "support/designfacts.h"

#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <numeric>
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
    void counts_data();
    void counts();
    void sessionsInUse();

private:
    QString text(int row, int column) const { return m_state.papers(row, column).text(); }
    int code(int row, int column) const { return m_state.papers(row, column).toInt16(); }
    QSet<QString> texts(int row, int count, int column) const;
    int rowsWhere(const std::function<bool(int row)> &keep) const
    {
        int rows = 0;
        for (int row = 1; row <= m_state.papercount; ++row)
            rows += keep(row) ? 1 : 0;
        return rows;
    }
    int papersWhere(const std::function<bool(const Paper &)> &keep) const
    {
        return int(std::ranges::count_if(m_papers, keep));
    }
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
    m_state.papercount = facts::paperCount;
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

FileNumbers TestBuiltinRows::fileNumbers() const
{
    std::vector<int> numbers;
    QSet<QString> fileNames;
    for (const Paper &paper : std::as_const(m_papers)) {
        numbers.push_back(paper.file.section(u'.', 0, 0).toInt());
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
        static const QRegularExpression trailingBlanks(QStringLiteral(" +$"));
        const QString author = text(row, column::firstname).remove(trailingBlanks) + u'\n'
                               + text(row, column::lastname).remove(trailingBlanks);
        papersOfAuthor[author].insert(text(row, column::file));
    }
    Authors result{int(papersOfAuthor.size()), 0, 0};
    for (const QSet<QString> &files : std::as_const(papersOfAuthor)) {
        result.onSeveralPapers += files.size() > 1 ? 1 : 0;
        result.mostPapers = std::max(result.mostPapers, int(files.size()));
    }
    return result;
}

void TestBuiltinRows::counts_data()
{
    QTest::addColumn<Count>("count");
    QTest::addColumn<int>("expected");

    const auto add = [](const char *name, int expected, const Count &count) {
        QTest::newRow(name) << count << expected;
    };
    const auto rowsWhoseCell = [this](int column,
                                      const std::function<bool(const QString &)> &keep) {
        return Count([=, this] { return rowsWhere([&](int r) { return keep(text(r, column)); }); });
    };
    const auto titlesWhere = [this](const std::function<bool(const QString &)> &keep) {
        return Count([=, this] {
            QSet<QString> titles;
            for (int row = 1; row <= m_state.papercount; ++row)
                titles.insert(text(row, column::title));
            return int(std::count_if(titles.begin(), titles.end(), keep));
        });
    };

    const auto rowsMatching = [=](int cell, const char *pattern) {
        const QRegularExpression expression(QString::fromLatin1(pattern));
        return rowsWhoseCell(cell,
                             [=](const QString &t) { return expression.match(t).hasMatch(); });
    };

    // Codes and file numbers are bare decimals: no blank, sign or leading zero.
    add("rows with a bare track code", 178, rowsMatching(column::track, "^[1-9][0-9]*$"));
    add("rows with a bare timeslot code", 178, rowsMatching(column::timeslot, "^[1-9][0-9]*$"));
    add("rows with a bare session code", 178, rowsMatching(column::session, "^[1-9][0-9]*$"));
    add("rows with a file named number.doc or .pdf", 178,
        rowsMatching(column::file, "^[1-9][0-9]*\\.(doc|pdf)$"));

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
        QTest::addRow("%s rows", type) << rowsWhoseCell(
            column::file, [extension](const QString &t) { return t.endsWith(extension); })
                                       << rows;
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
            const QList<int> rows = rowsOfSession.values();
            return rows.size() == 2 && std::min(rows[0], rows[1]) == 1;
        });
    });
    add("papers with differing tracks", 0, [this] { return papersWithSeveral(column::track); });
    add("papers with differing timeslots", 0,
        [this] { return papersWithSeveral(column::timeslot); });

    // Code 1 marks a keynote: a paper of one row with code 1 in all three columns.
    // With three rows of code 1 in each column below, no other row has one.
    const auto ones = [this](int r) {
        return (code(r, column::track) == 1) + (code(r, column::timeslot) == 1)
               + (code(r, column::session) == 1);
    };
    add("keynote papers of one row", 3, [=, this] {
        return papersWhere(
            [&](const Paper &p) { return p.rowCount == 1 && ones(p.firstRow) == 3; });
    });

    const auto rowsWithCode = [this](int cell, int value) {
        return Count(
            [=, this] { return rowsWhere([&](int r) { return code(r, cell) == value; }); });
    };
    const int perTrack[] = {3, 21, 28, 8, 9, 14, 7, 7, 13, 14, 20, 9, 23, 2};
    for (int i = 0; i < 14; ++i)
        QTest::addRow("rows of track %d", i + 1)
            << rowsWithCode(column::track, i + 1) << perTrack[i];
    const int perTimeslot[] = {3, 24, 34, 36, 34, 27, 20};
    for (int i = 0; i < 7; ++i)
        QTest::addRow("rows of timeslot %d", i + 1)
            << rowsWithCode(column::timeslot, i + 1) << perTimeslot[i];
    add("rows of session 1", 3, rowsWithCode(column::session, 1));
    add("rows of session 26", 0, rowsWithCode(column::session, 26));

    const auto endsInBlank = [](const QString &t) { return t.endsWith(u' '); };
    const auto hasDoubleBlank = [](const QString &t) { return t.contains(QStringLiteral("  ")); };
    add("given names ending in a blank", 64, rowsWhoseCell(column::firstname, endsInBlank));
    add("family names ending in a blank", 14, rowsWhoseCell(column::lastname, endsInBlank));
    add("title rows ending in a blank", 12, rowsWhoseCell(column::title, endsInBlank));
    add("titles ending in a blank", 7, titlesWhere(endsInBlank));
    add("titles with a double blank", 5, titlesWhere(hasDoubleBlank));
    add("given names with a double blank", 1, rowsWhoseCell(column::firstname, hasDoubleBlank));
    add("titles with an acute accent", 1,
        titlesWhere([](const QString &t) { return t.contains(QChar(0x00b4)); }));

    add("given names of initials only", 1, rowsMatching(column::firstname, "^([A-Z]\\.)+ *$"));
    add("family names after initials", 4, rowsMatching(column::lastname, "^([A-Z]\\. )+\\S"));
    add("family names with a particle", 16, rowsWhoseCell(column::lastname, [](const QString &t) {
            return t.front().isLower() && t.contains(u' ');
        }));

    add("rows with a character beyond printable Latin-1", 0, [this] {
        return rowsWhere([this](int r) {
            for (int c = column::firstname; c <= column::file; ++c) {
                const QString cell = text(r, c);
                if (!std::all_of(cell.begin(), cell.end(), isPrintableLatin1))
                    return true;
            }
            return false;
        });
    });
    add("rows with an accented name", 112, [this] {
        return rowsWhere([this](int r) {
            return hasAccentedLetter(text(r, column::firstname) + text(r, column::lastname));
        });
    });
    add("titles with an accented letter", 7, titlesWhere(hasAccentedLetter));

    const auto length = [this](int cell, bool longest) {
        return Count([=, this] {
            QList<qsizetype> lengths;
            for (int row = 1; row <= m_state.papercount; ++row)
                lengths.append(text(row, cell).size());
            const auto [low, high] = std::minmax_element(lengths.cbegin(), lengths.cend());
            return int(longest ? *high : *low);
        });
    };
    for (const auto &[name, cell, shortest, longest] :
         {std::tuple("given name", int(column::firstname), 2, 14),
          std::tuple("family name", int(column::lastname), 3, 22),
          std::tuple("title", int(column::title), 32, 243)}) {
        QTest::addRow("shortest %s", name) << length(cell, false) << shortest;
        QTest::addRow("longest %s", name) << length(cell, true) << longest;
    }
}

void TestBuiltinRows::counts()
{
    QFETCH(Count, count);
    QFETCH(int, expected);
    QCOMPARE(count(), expected);
}

void TestBuiltinRows::sessionsInUse()
{
    QMap<int, int> rowsOfSession;
    QHash<int, QSet<QPair<int, int>>> placesOfSession;
    for (int row = 1; row <= m_state.papercount; ++row) {
        const int s = code(row, column::session);
        ++rowsOfSession[s];
        placesOfSession[s].insert({code(row, column::track), code(row, column::timeslot)});
    }
    QList<int> inUse(48);
    std::iota(inUse.begin(), inUse.end(), 1);
    inUse.removeOne(26);
    QCOMPARE(rowsOfSession.keys(), inUse);
    const auto [fewest, most] = std::minmax_element(rowsOfSession.cbegin(), rowsOfSession.cend());
    QCOMPARE(*fewest, 1);
    QCOMPARE(*most, 13);
    // Sessions whose rows stand under more than one track or timeslot.
    QCOMPARE(int(std::count_if(placesOfSession.cbegin(), placesOfSession.cend(),
                               [](const auto &places) { return places.size() > 1; })),
             5);
}

QTEST_GUILESS_MAIN(TestBuiltinRows)
#include "tst_builtinrows.moc"
