// SPDX-License-Identifier: GPL-3.0-or-later
// The report list control on its own: batching, its view and its settings.
#include "errors/runtimeerror.h"
#include "resultlist/reportlist.h"
#include "support/designfacts.h"

#include <QHeaderView>
#include <QRegularExpression>
#include <QTest>

using resultlist::ReportList;

namespace {

// Fills a list whose first column holds the texts, sorted or not.
void fill(ReportList &list, const QStringList &texts)
{
    for (const QString &text : texts) {
        const int item = list.addItem(text);
        list.addSubItem(item, QString::number(item));
    }
}

QStringList viewColumn(const ReportList &list, int column)
{
    QStringList texts;
    for (int r = 0; r < list.model()->rowCount(); ++r)
        texts.append(list.model()->index(r, column).data().toString());
    return texts;
}

} // namespace

class TestReportList : public QObject
{
    Q_OBJECT

private slots:
    void rowsWrittenBeforeColumnsShowOnceTheyExist();
    void clearKeepsTheColumns();
    void batchReachesTheViewOnceAtItsEnd();
    void refusedSettingsThrow_data();
    void refusedSettingsThrow();
    void sizesAreInWindowUnits();
    void keepsTheSavedPointer();
    void copyKeysInAnEmptyListWarnNothing();
};

void TestReportList::rowsWrittenBeforeColumnsShowOnceTheyExist()
{
    ReportList list(1.0, 1.0);
    const int item = list.addItem("7.pdf");
    list.addSubItem(item, "Lund, Kari");
    list.addSubItem(item, "A title");
    QCOMPARE(list.model()->columnCount(), 0);
    QCOMPARE(list.model()->rowCount(), 1);
    for (const char *caption : {"Open", "Author", "Title"})
        list.addColumnHeader(caption);
    QCOMPARE(list.model()->index(0, 1).data().toString(), QStringLiteral("Lund, Kari"));
    QCOMPARE(list.model()->index(0, 2).data().toString(), QStringLiteral("A title"));
}

void TestReportList::clearKeepsTheColumns()
{
    ReportList list(1.0, 1.0);
    list.addColumnHeader("Open");
    list.addColumnHeader("Author");
    list.setColumnWidth(2, 80);
    fill(list, {"a", "b"});
    list.clearItems();
    QCOMPARE(list.model()->rowCount(), 0);
    QCOMPARE(list.model()->columnCount(), 2);
    QCOMPARE(list.header()->sectionSize(1), 80);
}

void TestReportList::batchReachesTheViewOnceAtItsEnd()
{
    ReportList list(1.0, 1.0);
    list.addColumnHeader("Open");
    list.setSorted(true);
    fill(list, {"k"});
    int resets = 0;
    connect(list.model(), &QAbstractItemModel::modelReset, this, [&] { ++resets; });
    {
        ReportList::Batch outer(list);
        list.clearItems();
        {
            ReportList::Batch inner(list);
            fill(list, {"d", "b"});
        }
        QCOMPARE(list.model()->rowCount(), 1); // the view still shows the old row
        QCOMPARE(list.itemCount(), 2);         // while the list itself is current
        QCOMPARE(list.cellText(0, 0), QStringLiteral("b"));
        fill(list, {"a"});
        QCOMPARE(resets, 0);
    }
    QCOMPARE(resets, 1);
    QCOMPARE(viewColumn(list, 0), (QStringList{"a", "b", "d"}));
    QCOMPARE(list.currentIndex().row(), -1); // none, as no row is marked
    QVERIFY(list.selectionModel()->selectedIndexes().isEmpty());
}

void TestReportList::refusedSettingsThrow_data()
{
    QTest::addColumn<int>("setting");
    QTest::addColumn<int>("value");
    QTest::newRow("pointer above range") << 0 << 16;
    QTest::newRow("pointer below range") << 0 << -1;
    QTest::newRow("sort order") << 1 << 2;
    QTest::newRow("negative sort key") << 2 << -1;
    QTest::newRow("alignment") << 3 << 3;
    QTest::newRow("negative column width") << 4 << -5;
}

void TestReportList::refusedSettingsThrow()
{
    QFETCH(int, setting);
    QFETCH(int, value);
    ReportList list(1.0, 1.0);
    list.addColumnHeader("Open");
    const std::function<void()> settings[] = {
        [&] { list.setMousePointer(value); },          [&] { list.setSortOrder(value); },
        [&] { list.setSortKey(std::int16_t(value)); }, [&] { list.setColumnAlignment(1, value); },
        [&] { list.setColumnWidth(1, float(value)); },
    };
    QVERIFY_THROWS_EXCEPTION(errors::InvalidPropertyValueError, settings[setting]());
    QVERIFY_THROWS_EXCEPTION(errors::SubscriptOutOfRangeError, list.setColumnWidth(2, 10));
    QVERIFY_THROWS_EXCEPTION(errors::SubscriptOutOfRangeError, list.addSubItem(0, "x"));
}

void TestReportList::sizesAreInWindowUnits()
{
    ReportList list(1.015, 1.0266653);
    list.addColumnHeader("Open");
    list.setColumnWidth(1, 52.69f);
    QCOMPARE(list.header()->sectionSize(0), 53);
    QCOMPARE(list.columnWidth(1), float(53 / 1.015));
    list.setWidthInUnits(752.71f);
    list.setHeightInUnits(351.79f);
    QCOMPARE(list.size(), QSize(764, 361));
    QCOMPARE(list.widthInUnits(), float(764 / 1.015)); // rounded to whole pixels
}

void TestReportList::keepsTheSavedPointer()
{
    ReportList list(1.0, 1.0);
    list.setMousePointer(facts::crossPointer);
    QCOMPARE(list.cursor().shape(), Qt::CrossCursor);
    list.setMousePointer(facts::hourglassPointer);
    QCOMPARE(list.cursor().shape(), Qt::WaitCursor);
    list.setMousePointer(facts::defaultPointer);
    QCOMPARE(list.cursor().shape(), Qt::ArrowCursor);
}

void TestReportList::copyKeysInAnEmptyListWarnNothing()
{
    ReportList list(1.0, 1.0);
    list.addColumnHeader("Open");
    list.addColumnHeader("Author");
    // With no row there is no current row, and the view asks for its text all the same.
    QTest::failOnWarning(QRegularExpression("."));
    QTest::keyClick(&list, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&list, Qt::Key_Insert, Qt::ControlModifier);
    QVERIFY(!list.currentIndex().isValid());
}

QTEST_MAIN(TestReportList)
#include "tst_reportlist.moc"
