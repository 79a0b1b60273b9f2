// SPDX-License-Identifier: GPL-3.0-or-later
// One user's session in one window: filters, search, sort, open and resize.
#include "support/windowdriver.h"

class TestUserSession : public QObject
{
    Q_OBJECT

private slots:
    void wholeSession();
};

void TestUserSession::wholeSession()
{
    WindowDriver driver;
    QVERIFY(driver.showWindow());
    QCOMPARE(driver.list()->itemCount(), 178);
    QCOMPARE(driver.list()->width(), 812 - 48);

    // Narrow to a timeslot, then search within it.
    const QString thursday = cataloguenames::timeslot(4);
    QVERIFY(WindowDriver::pick(driver.timeslots(), thursday));
    const int thursdayRows = driver.list()->itemCount();
    QVERIFY(thursdayRows > 0 && thursdayRows < 178);
    driver.type("Innovation");
    const int found = driver.list()->itemCount();
    QVERIFY(found > 0 && found < thursdayRows);
    for (const QStringList &row : driver.shownRows()) {
        QCOMPARE(row[5], thursday);
        QVERIFY(row[2].contains("innovation", Qt::CaseInsensitive)
                || row[1].contains("innovation", Qt::CaseInsensitive));
    }

    // Sort by title, descending, and open the first row shown.
    driver.clickHeader(3);
    driver.clickHeader(3);
    const QList<QStringList> rows = driver.shownRows();
    QVERIFY(rows.first()[2].compare(rows.last()[2], Qt::CaseInsensitive) >= 0);
    driver.clickRow(0);
    QTest::mouseDClick(driver.list()->viewport(), Qt::LeftButton, {}, driver.rowPoint(0));
    QCOMPARE(driver.shell.requests.size(), 1);
    QCOMPARE(driver.shell.requests[0].file, rows.first()[0]);

    // Make the window larger: the list follows, the rows stay as they are.
    driver.form().resize(1280, 900);
    QTRY_COMPARE(driver.list()->width(), 1280 - 48);
    QCOMPARE(driver.shownRows(), rows);

    // Reset both: every row again, still sorted by title descending.
    driver.clickButton("Command1");
    driver.clickButton("Command2");
    QCOMPARE(driver.list()->itemCount(), 178);
    QCOMPARE(driver.list()->sortKey(), 2);
    QCOMPARE(driver.list()->sortOrder(), facts::descending);
    QCOMPARE(driver.state().selectedfile.text(), rows.first()[0]);
    QTest::keyClick(driver.list(), Qt::Key_Return);
    QCOMPARE(driver.shell.requests.size(), 2);
    QCOMPARE(driver.shell.requests[1].file, rows.first()[0]);
}

QTEST_MAIN(TestUserSession)
#include "tst_usersession.moc"
