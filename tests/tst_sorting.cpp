// Sorting by clicking the real headers of the real list.
#include "support/windowfixture.h"

#include <cstdlib>

using cataloguenames::inReadersOrder;

class TestSorting : public WindowFixture
{
    Q_OBJECT

private slots:
    void headerClicksChooseColumnAndDirection_data();
    void headerClicksChooseColumnAndDirection();
};

void TestSorting::headerClicksChooseColumnAndDirection_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<int>("cell");
    QTest::addColumn<bool>("ascending");
    // Files as text, not numbers: "101.doc" before "11.doc" before "2.doc".
    QTest::newRow("open") << QList<int>{1} << 0 << true;
    QTest::newRow("author once: descending") << QList<int>{2} << 1 << false;
    QTest::newRow("author twice: ascending") << QList<int>{2, 2} << 1 << true;
    QTest::newRow("title once") << QList<int>{3} << 2 << true;
    QTest::newRow("title twice") << QList<int>{3, 3} << 2 << false;
    QTest::newRow("title three times") << QList<int>{3, 3, 3} << 2 << true;
    // Tracks, sessions and time slots by their names, not by their codes.
    QTest::newRow("descending title then track") << QList<int>{3, 3, 4} << 3 << true;
    QTest::newRow("session") << QList<int>{5} << 4 << true;
    QTest::newRow("time slot") << QList<int>{6} << 5 << true;
    // A negative column: two clicks on it in quick succession.
    QTest::newRow("author twice quickly") << QList<int>{-2} << 1 << true;
    QTest::newRow("title twice quickly") << QList<int>{-3} << 2 << false;
}

void TestSorting::headerClicksChooseColumnAndDirection()
{
    QFETCH(QList<int>, clicks);
    QFETCH(int, cell);
    QFETCH(bool, ascending);
    resultlist::ReportList *list = m_driver->list();
    m_driver->clickRow(4);
    const QStringList chosen = m_driver->shownRows().at(4);
    for (int column : clicks)
        m_driver->clickHeader(std::abs(column), column < 0);
    const QList<QStringList> rows = m_driver->shownRows();
    // The chosen row stays marked and current wherever it moves, and in view.
    const QModelIndexList marked = list->selectionModel()->selectedRows();
    QCOMPARE(marked.size(), 1);
    QCOMPARE(rows.at(marked.first().row()), chosen);
    QCOMPARE(list->currentIndex().row(), marked.first().row());
    QVERIFY(list->viewport()->rect().intersects(list->visualRect(marked.first())));
    QCOMPARE(rows.size(), 178);
    QVERIFY(inReadersOrder(rows, cell, ascending));
    QVERIFY(!inReadersOrder(rows, cell, !ascending));
    QCOMPARE(list->sortKey(), cell);
    QCOMPARE(list->header()->sortIndicatorSection(), cell);
    QCOMPARE(list->header()->sortIndicatorOrder(),
             ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

QTEST_MAIN(TestSorting)
#include "tst_sorting.moc"
