// SPDX-License-Identifier: GPL-3.0-or-later
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
    QTest::addColumn<bool>("fromMenu"); // the list menu's "Sort by" items instead of the headers
    // Each sequence of clicks, also chosen from the menu, which must do the same.
    const auto add = [](const char *name, const QList<int> &clicks, int cell, bool ascending) {
        QTest::newRow(name) << clicks << cell << ascending << false;
        if (clicks.first() > 0)
            QTest::addRow("%s, from the menu", name) << clicks << cell << ascending << true;
    };
    // Files as text, not numbers: "101.doc" before "11.doc" before "2.doc".
    add("open", {1}, 0, true);
    add("author once: descending", {2}, 1, false);
    add("author twice: ascending", {2, 2}, 1, true);
    add("title once", {3}, 2, true);
    add("title twice", {3, 3}, 2, false);
    add("title three times", {3, 3, 3}, 2, true);
    // Tracks, sessions and time slots by their names, not by their codes.
    add("descending title then track", {3, 3, 4}, 3, true);
    add("session", {5}, 4, true);
    add("time slot", {6}, 5, true);
    // A negative column: two clicks on it in quick succession.
    add("author twice quickly", {-2}, 1, true);
    add("title twice quickly", {-3}, 2, false);
}

void TestSorting::headerClicksChooseColumnAndDirection()
{
    QFETCH(QList<int>, clicks);
    QFETCH(int, cell);
    QFETCH(bool, ascending);
    QFETCH(bool, fromMenu);
    using facts::captions;
    resultlist::ReportList *list = m_driver->list();
    m_driver->clickRow(4);
    const QStringList chosen = m_driver->shownRows().at(4);
    for (int column : clicks) {
        if (fromMenu)
            QVERIFY(m_driver->chooseFromListMenu({"Sort by", captions[std::abs(column) - 1]}));
        else
            m_driver->clickHeader(std::abs(column), column < 0);
    }
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
