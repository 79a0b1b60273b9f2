// SPDX-License-Identifier: GPL-3.0-or-later
// The header click's sort steps, with a list whose operations can fail.
#include "errors/runtimeerror.h"
#include "resultlist/columnsort.h"
#include "resultlist/reportlist.h"
#include "support/designfacts.h"

#include <QTest>

#include <set>
#include <string>

using resultlist::SortTarget;

namespace {

// Records each operation and fails the ones it is told to fail.
class FaultyList : public SortTarget
{
public:
    std::set<std::string> failing;
    QStringList calls;
    int pointer = facts::crossPointer;
    std::int16_t key = 1;
    int order = 0;
    bool sorted = false;

    int mousePointer() const override { return step("readPointer"), pointer; }
    void setMousePointer(int shape) override { step("setPointer"), pointer = shape; }
    void lockWindowUpdate() override { step("lock"); }
    void unlockWindowUpdate() override { step("unlock"); }
    std::int16_t sortKey() const override { return step("readKey"), key; }
    void setSortKey(std::int16_t k) override { step("setKey"), key = k; }
    int sortOrder() const override { return step("readOrder"), order; }
    void setSortOrder(int o) override { step("setOrder"), order = o; }
    void setSorted(bool s) override { step("setSorted"), sorted = s; }

private:
    void step(const char *name) const
    {
        const_cast<FaultyList *>(this)->calls.append(QString::fromLatin1(name));
        if (failing.count(name))
            throw errors::InvalidPropertyValueError();
    }
};

} // namespace

class TestColumnSort : public QObject
{
    Q_OBJECT

private slots:
    void stepsSurviveFailures_data();
    void stepsSurviveFailures();
    void drawingIsSuspendedWhileSorting();
};

void TestColumnSort::stepsSurviveFailures_data()
{
    QTest::addColumn<QStringList>("failing");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("order");
    QTest::addColumn<int>("pointer");
    QTest::addColumn<bool>("sorted");

    const int cross = facts::crossPointer;
    QTest::newRow("other column: ascending by it") << QStringList{} << 3 << 2 << 0 << cross << true;
    QTest::newRow("same column: reversed") << QStringList{} << 2 << 1 << 1 << cross << true;
    QTest::newRow("header beyond any key: reversed")
        << QStringList{} << 40000 << 1 << 1 << cross << true;
    QTest::newRow("key unreadable: reversed")
        << QStringList{"readKey"} << 3 << 1 << 1 << cross << true;
    QTest::newRow("order unreadable: unchanged")
        << QStringList{"readOrder"} << 2 << 1 << 0 << cross << true;
    QTest::newRow("order refused: key still set")
        << QStringList{"setOrder"} << 4 << 3 << 0 << cross << true;
    QTest::newRow("key refused") << QStringList{"setKey"} << 4 << 1 << 0 << cross << true;
    QTest::newRow("sorting refused") << QStringList{"setSorted"} << 3 << 2 << 0 << cross << false;
    QTest::newRow("lock refused") << QStringList{"lock"} << 3 << 2 << 0 << cross << true;
    QTest::newRow("pointer unreadable: default comes back")
        << QStringList{"readPointer"} << 3 << 2 << 0 << facts::defaultPointer << true;
    QTest::newRow("pointer refused") << QStringList{"setPointer"} << 3 << 2 << 0 << cross << true;
}

void TestColumnSort::stepsSurviveFailures()
{
    QFETCH(QStringList, failing);
    QFETCH(int, clicked);
    QFETCH(int, key);
    QFETCH(int, order);
    QFETCH(int, pointer);
    QFETCH(bool, sorted);
    FaultyList list;
    for (const QString &name : failing)
        list.failing.insert(name.toStdString());

    resultlist::ListView1_ColumnClick(list, clicked);

    QCOMPARE(list.key, key);
    QCOMPARE(list.order, order);
    QCOMPARE(list.pointer, pointer);
    QCOMPARE(list.sorted, sorted);
    QCOMPARE(list.calls.count("unlock"), 1); // drawing always resumes
    QCOMPARE(list.calls.last(), QStringLiteral("setPointer"));
    const qsizetype hourglass = list.calls.indexOf("setPointer");
    QVERIFY(hourglass < list.calls.indexOf("lock"));
    QVERIFY(list.calls.indexOf("setSorted") < list.calls.indexOf("unlock"));
}

void TestColumnSort::drawingIsSuspendedWhileSorting()
{
    resultlist::ReportList list(1.0, 1.0);
    list.addColumnHeader("Open");
    list.addItem("11.doc");
    list.addItem("2.doc");
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    list.setMousePointer(facts::crossPointer);
    int changes = 0;
    int changesWhileDrawing = 0;
    int changesWithoutHourglass = 0;
    connect(list.model(), &QAbstractItemModel::modelReset, this, [&] {
        ++changes;
        changesWhileDrawing += list.updatesEnabled() ? 1 : 0;
        changesWithoutHourglass += list.cursor().shape() == Qt::WaitCursor ? 0 : 1;
    });
    resultlist::ListView1_ColumnClick(list, 1);
    QVERIFY(changes > 0);
    QCOMPARE(changesWhileDrawing, 0);
    QCOMPARE(changesWithoutHourglass, 0);
    QVERIFY(list.updatesEnabled());
    QCOMPARE(list.cursor().shape(), Qt::CrossCursor); // the pointer comes back as it was
    // The key was already 0, so the click reversed the direction.
    QCOMPARE(list.sortOrder(), facts::descending);
    QCOMPARE(list.model()->index(0, 0).data().toString(), QStringLiteral("2.doc"));
}

QTEST_MAIN(TestColumnSort)
#include "tst_columnsort.moc"
