// Sorting by clicking the real headers of the real list.
#include "support/windowfixture.h"

#include <cstdlib>

namespace {

using cataloguenames::inReadersOrder;

QStringList distinct(const QList<QStringList> &rows, int cell)
{
    QStringList texts;
    for (const QStringList &row : rows) {
        if (texts.isEmpty() || texts.last() != row[cell])
            texts.append(row[cell]);
    }
    return texts;
}

} // namespace

class TestSorting : public WindowFixture
{
    Q_OBJECT

private slots:
    void headerClicksChooseColumnAndDirection_data();
    void headerClicksChooseColumnAndDirection();
    void openSortsByFileNameText();
    void timeSlotsSortByTheirNames();
    void codeColumnsSortByNamesNotCodes_data();
    void codeColumnsSortByNamesNotCodes();
    void pointerComesBackAsItWas();
    void sortHoldsWhileFiltersRebuild();
};

void TestSorting::headerClicksChooseColumnAndDirection_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<int>("cell");
    QTest::addColumn<bool>("ascending");
    QTest::newRow("author once: descending") << QList<int>{2} << 1 << false;
    QTest::newRow("author twice: ascending") << QList<int>{2, 2} << 1 << true;
    QTest::newRow("title once") << QList<int>{3} << 2 << true;
    QTest::newRow("title twice") << QList<int>{3, 3} << 2 << false;
    QTest::newRow("title three times") << QList<int>{3, 3, 3} << 2 << true;
    QTest::newRow("descending title then track") << QList<int>{3, 3, 4} << 3 << true;
    QTest::newRow("session") << QList<int>{5} << 4 << true;
    // A negative column: two clicks on it in quick succession.
    QTest::newRow("author twice quickly") << QList<int>{-2} << 1 << true;
    QTest::newRow("title twice quickly") << QList<int>{-3} << 2 << false;
}

void TestSorting::headerClicksChooseColumnAndDirection()
{
    QFETCH(QList<int>, clicks);
    QFETCH(int, cell);
    QFETCH(bool, ascending);
    for (int column : clicks)
        m_driver->clickHeader(std::abs(column), column < 0);
    const QList<QStringList> rows = m_driver->shownRows();
    QCOMPARE(rows.size(), 178);
    QVERIFY(inReadersOrder(rows, cell, ascending));
    QVERIFY(!inReadersOrder(rows, cell, !ascending));
    QCOMPARE(m_driver->list()->sortKey(), cell);
    QCOMPARE(m_driver->list()->header()->sortIndicatorSection(), cell);
    QCOMPARE(m_driver->list()->header()->sortIndicatorOrder(),
             ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void TestSorting::openSortsByFileNameText()
{
    m_driver->clickHeader(1);
    const QStringList files = distinct(m_driver->shownRows(), 0);
    QVERIFY(inReadersOrder(m_driver->shownRows(), 0, true));
    // Text order, not number order: "101.doc" before "11.doc" before "2.doc".
    const auto position = [&](const char *prefix) {
        for (int i = 0; i < files.size(); ++i) {
            if (files[i].startsWith(QLatin1String(prefix)))
                return i;
        }
        return -1;
    };
    QVERIFY(position("10") >= 0 && position("2.") >= 0);
    QVERIFY(position("10") < position("2."));
    QVERIFY(position("2.") < position("3"));
    QVERIFY(files.first().startsWith(u'1'));
}

void TestSorting::timeSlotsSortByTheirNames()
{
    m_driver->clickHeader(6);
    QStringList days;
    for (const QString &slot : distinct(m_driver->shownRows(), 5)) {
        const QString day = slot.section(u' ', 0, 0);
        if (days.isEmpty() || days.last() != day)
            days.append(day);
    }
    QCOMPARE(days, (QStringList{"Friday", "Keynotes", "Saturday", "Thursday", "Wednesday"}));
}

void TestSorting::codeColumnsSortByNamesNotCodes_data()
{
    QTest::addColumn<int>("column");
    QTest::newRow("track") << 4;
    QTest::newRow("session") << 5;
}

void TestSorting::codeColumnsSortByNamesNotCodes()
{
    QFETCH(int, column);
    m_driver->clickHeader(column);
    const QStringList names = distinct(m_driver->shownRows(), column - 1);
    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end(), cataloguenames::readersCollator());
    QCOMPARE(names, sorted);
    // Code order would put "Keynotes" (code 1) first.
    QVERIFY(names.first() != QStringLiteral("Keynotes"));
}

void TestSorting::pointerComesBackAsItWas()
{
    m_driver->list()->setMousePointer(resultlist::crossPointer);
    m_driver->clickHeader(3);
    QCOMPARE(m_driver->list()->mousePointer(), int(resultlist::crossPointer));
    QCOMPARE(m_driver->list()->cursor().shape(), Qt::CrossCursor);
    QVERIFY(m_driver->list()->updatesEnabled());
}

void TestSorting::sortHoldsWhileFiltersRebuild()
{
    QVERIFY(WindowDriver::pick(m_driver->sessions(), cataloguenames::session(26)));
    QCOMPARE(m_driver->list()->itemCount(), 0);
    m_driver->clickHeader(3);
    m_driver->clickHeader(3);
    QCOMPARE(m_driver->list()->sortKey(), 2);
    QCOMPARE(m_driver->list()->sortOrder(), int(resultlist::descending));
    m_driver->clickButton("Command2");
    const QList<QStringList> rows = m_driver->shownRows();
    QCOMPARE(rows.size(), 178);
    QVERIFY(inReadersOrder(rows, 2, false));
}

QTEST_MAIN(TestSorting)
#include "tst_sorting.moc"
