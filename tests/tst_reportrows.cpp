// SPDX-License-Identifier: GPL-3.0-or-later
// The list's row engine on its own: the order it shows its rows in.
#include "resultlist/reportrows.h"
#include "support/designfacts.h"

#include <QTest>

using resultlist::ReportRows;

namespace {

// Appends rows whose first cell holds the texts and whose second their number.
void fill(ReportRows &rows, const QStringList &texts)
{
    for (const QString &text : texts) {
        const int item = rows.append(text, 2);
        rows.appendCell(item, QString::number(item));
    }
}

QStringList shownColumn(const ReportRows &rows, int cell)
{
    QStringList texts;
    for (int i = 0; i < rows.count(); ++i)
        texts.append(rows.shownAt(i).cells.value(cell));
    return texts;
}

} // namespace

class TestReportRows : public QObject
{
    Q_OBJECT

private slots:
    void sortsByTextIgnoringCase_data();
    void sortsByTextIgnoringCase();
    void sortsBySubItemColumn();
    void rowsAppendedWhileSortedTakeTheirPlace();
    void unsortedRowsKeepAppendOrder();
};

void TestReportRows::sortsByTextIgnoringCase_data()
{
    QTest::addColumn<QStringList>("appended");
    QTest::addColumn<int>("order");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("file names as text") << QStringList{"2.doc", "11.doc", "101.doc"} << 0
                                        << QStringList{"101.doc", "11.doc", "2.doc"};
    QTest::newRow("file names descending") << QStringList{"11.doc", "2.doc", "101.doc"} << 1
                                           << QStringList{"2.doc", "11.doc", "101.doc"};
    QTest::newRow("accents beside base letters")
        << QStringList{"Zoe", "ezra", "Émile", "Eva", "zoë", "Øster", "Olsen"} << 0
        << QStringList{"Émile", "Eva", "ezra", "Olsen", "Øster", "Zoe", "zoë"};
    QTest::newRow("case ignored") << QStringList{"beta", "Alpha", "alpha2", "BETA1"} << 0
                                  << QStringList{"Alpha", "alpha2", "beta", "BETA1"};
    QTest::newRow("equal keys keep append order")
        << QStringList{"abc", "ABC", "Abc", "aaa"} << 0 << QStringList{"aaa", "abc", "ABC", "Abc"};
    QTest::newRow("equal keys keep append order descending")
        << QStringList{"abc", "ABC", "zz", "Abc"} << 1 << QStringList{"zz", "abc", "ABC", "Abc"};
    QTest::newRow("blanks and punctuation count")
        << QStringList{"a b", "ab", "a,c"} << 0 << QStringList{"a b", "a,c", "ab"};
}

void TestReportRows::sortsByTextIgnoringCase()
{
    QFETCH(QStringList, appended);
    QFETCH(int, order);
    QFETCH(QStringList, shown);
    ReportRows rows;
    rows.setSortOrder(order);
    rows.setSortKey(0);
    rows.setSorted(true);
    fill(rows, appended);
    QCOMPARE(shownColumn(rows, 0), shown);
}

void TestReportRows::sortsBySubItemColumn()
{
    ReportRows rows;
    const QStringList files{"1.doc", "2.doc", "3.doc"};
    const QStringList authors{"Weber", "adams", "Mori"};
    for (int i = 0; i < 3; ++i)
        rows.appendCell(rows.append(files[i], 2), authors[i]);
    rows.setSortKey(1);
    rows.setSorted(true);
    QCOMPARE(shownColumn(rows, 0), (QStringList{"2.doc", "3.doc", "1.doc"}));
    rows.setSortOrder(facts::descending);
    QCOMPARE(shownColumn(rows, 1), (QStringList{"Weber", "Mori", "adams"}));
}

void TestReportRows::rowsAppendedWhileSortedTakeTheirPlace()
{
    ReportRows rows;
    rows.setSorted(true);
    fill(rows, {"m", "c"});
    QCOMPARE(shownColumn(rows, 0), (QStringList{"c", "m"}));
    fill(rows, {"x", "a"});
    QCOMPARE(shownColumn(rows, 0), (QStringList{"a", "c", "m", "x"}));
    rows.clear();
    fill(rows, {"q", "b"});
    QCOMPARE(shownColumn(rows, 0), (QStringList{"b", "q"}));
}

void TestReportRows::unsortedRowsKeepAppendOrder()
{
    ReportRows rows;
    fill(rows, {"m", "c", "x"});
    QCOMPARE(shownColumn(rows, 0), (QStringList{"m", "c", "x"}));
    rows.setSorted(true);
    rows.setSorted(false);
    fill(rows, {"a"});
    QCOMPARE(shownColumn(rows, 0), (QStringList{"c", "m", "x", "a"}));
}

QTEST_GUILESS_MAIN(TestReportRows)
#include "tst_reportrows.moc"
