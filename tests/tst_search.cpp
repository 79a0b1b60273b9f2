// Typing in the search box narrows the list to rows containing the text.
#include "support/windowdriver.h"

using catalogue::BuiltinRow;

namespace {

// The rows that contain `text` in a given name, family name or title,
// ignoring case, among those `keep` lets through.
QList<int> rowsContaining(const QString &text,
                          const std::function<bool(const BuiltinRow &)> &keep = nullptr)
{
    return WindowDriver::builtinRowsWhere([&](const BuiltinRow &r) {
        return (!keep || keep(r)) && cataloguenames::containsText(r, text);
    });
}

using cataloguenames::builtinCell;

} // namespace

class TestSearch : public QObject
{
    Q_OBJECT

private slots:
    void typedTextNarrowsTheList_data();
    void typedTextNarrowsTheList();
    void accentedCapitalsMatchTheirSmallLetters();
    void titleFragmentListsEveryAuthor();
    void givenNameWithItsTrailingBlank();
    void deletingTheLastCharacterListsAllAgain();
    void searchIsKeptAcrossFilters();
    void resetSearchEmptiesTheBox_data();
    void resetSearchEmptiesTheBox();
    void resetSearchWithEmptyBoxLeavesTheList();
};

void TestSearch::typedTextNarrowsTheList_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("matchesSome");
    const QString family = builtinCell(7, &BuiltinRow::lastname).trimmed();
    QTest::newRow("family fragment in small letters") << family.mid(1, 4).toLower() << true;
    QTest::newRow("family fragment in capitals") << family.mid(1, 4).toUpper() << true;
    QTest::newRow("author as shown")
        << builtinCell(7, &BuiltinRow::lastname) + ", " + builtinCell(7, &BuiltinRow::firstname)
        << false;
    QTest::newRow("a blank") << " " << true;
    QTest::newRow("track name") << "Managing Intra-organisational" << false;
    QTest::newRow("session name") << "Enabling Venture Development" << false;
    QTest::newRow("file extension") << ".doc" << false;
    QTest::newRow("file name") << builtinCell(1, &BuiltinRow::file) << false;
    QTest::newRow("longer than any cell") << QString(250, u'e') << false;
    QTest::newRow("outside Latin-1") << QStringLiteral("Ωmega ☃") << false;
}

void TestSearch::typedTextNarrowsTheList()
{
    QFETCH(QString, text);
    QFETCH(bool, matchesSome);
    WindowDriver driver;
    driver.type(text);
    QCOMPARE(driver.searchBox()->text(), text);
    const QList<int> expected = rowsContaining(text);
    QCOMPARE(!expected.isEmpty(), matchesSome);
    QCOMPARE(driver.list()->itemCount(), expected.size());
    QCOMPARE(driver.list()->model()->columnCount(), 6);
}

void TestSearch::accentedCapitalsMatchTheirSmallLetters()
{
    const auto accented = WindowDriver::builtinRowsWhere([](const BuiltinRow &r) {
        return QString::fromUtf8(r.lastname).contains(QRegularExpression("[éöüåçñ]"));
    });
    QVERIFY(!accented.isEmpty());
    const QString name = builtinCell(accented.first(), &BuiltinRow::lastname);
    const qsizetype at = name.indexOf(QRegularExpression("[éöüåçñ]"));
    const QString fragment = name.mid(at, 3);
    WindowDriver upper;
    upper.type(fragment.toUpper());
    QCOMPARE(upper.list()->itemCount(), rowsContaining(fragment).size());
    QVERIFY(upper.list()->itemCount() >= 1);
    // Without its accent the letter is another letter.
    QString plain = fragment;
    plain[0] = QString(fragment[0]).normalized(QString::NormalizationForm_D)[0];
    WindowDriver stripped;
    stripped.type(plain);
    QCOMPARE(stripped.list()->itemCount(), rowsContaining(plain).size());
    QVERIFY2(rowsContaining(plain) != rowsContaining(fragment),
             qPrintable(fragment + " / " + plain));
}

void TestSearch::titleFragmentListsEveryAuthor()
{
    // The first paper with several authors.
    int first = 1;
    while (strcmp(catalogue::builtinRows[first - 1].file, catalogue::builtinRows[first].file) != 0)
        ++first;
    const QString title = builtinCell(first, &BuiltinRow::title);
    WindowDriver driver;
    driver.type(title.left(30));
    const QList<int> expected = rowsContaining(title.left(30));
    QVERIFY(expected.size() >= 2);
    QCOMPARE(driver.list()->itemCount(), expected.size());
}

void TestSearch::givenNameWithItsTrailingBlank()
{
    const auto blankEnded = WindowDriver::builtinRowsWhere(
        [](const BuiltinRow &r) { return QString::fromUtf8(r.firstname).endsWith(u' '); });
    QVERIFY(!blankEnded.isEmpty());
    const QString name = builtinCell(blankEnded.first(), &BuiltinRow::firstname);
    WindowDriver withBlank;
    withBlank.type(name);
    WindowDriver without;
    without.type(name.trimmed());
    QCOMPARE(withBlank.list()->itemCount(), rowsContaining(name).size());
    QCOMPARE(without.list()->itemCount(), rowsContaining(name.trimmed()).size());
    QVERIFY(withBlank.list()->itemCount() >= 1);
}

void TestSearch::deletingTheLastCharacterListsAllAgain()
{
    WindowDriver driver;
    QVERIFY(WindowDriver::pick(driver.timeslots(), cataloguenames::timeslot(4)));
    const int filtered = driver.list()->itemCount();
    driver.type("q");
    QVERIFY(driver.list()->itemCount() < filtered);
    QTest::keyClick(driver.searchBox(), Qt::Key_Backspace);
    QCOMPARE(driver.searchBox()->text(), QString());
    QCOMPARE(driver.list()->itemCount(), filtered);
}

void TestSearch::searchIsKeptAcrossFilters()
{
    WindowDriver driver;
    driver.type("an");
    const auto track3 = [](const BuiltinRow &r) { return atoi(r.track) == 3; };
    QVERIFY(WindowDriver::pick(driver.tracks(), cataloguenames::track(3)));
    QCOMPARE(driver.list()->itemCount(), rowsContaining("an", track3).size());
    QVERIFY(driver.list()->itemCount() < rowsContaining("an").size());
    for (const QStringList &row : driver.shownRows())
        QCOMPARE(row[3], cataloguenames::track(3));
    driver.clickButton("Command2");
    QCOMPARE(driver.searchBox()->text(), QStringLiteral("an"));
    QCOMPARE(driver.list()->itemCount(), rowsContaining("an").size());
    QVERIFY(driver.list()->itemCount() < 178);
}

void TestSearch::resetSearchEmptiesTheBox_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("mouse") << int(Qt::Key_unknown);
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
}

void TestSearch::resetSearchEmptiesTheBox()
{
    QFETCH(int, key);
    WindowDriver driver;
    QVERIFY(driver.showWindow());
    QVERIFY(WindowDriver::pick(driver.sessions(), cataloguenames::session(9)));
    const int filtered = driver.list()->itemCount();
    driver.type("zzz");
    QCOMPARE(driver.list()->itemCount(), 0);
    driver.pressButton("Command1", key);
    QCOMPARE(driver.searchBox()->text(), QString());
    QCOMPARE(driver.list()->itemCount(), filtered);
    QCOMPARE(driver.state().sessionfilter, 9);
}

void TestSearch::resetSearchWithEmptyBoxLeavesTheList()
{
    WindowDriver driver;
    driver.clickHeader(3);
    const QList<QStringList> before = driver.shownRows();
    driver.clickButton("Command1");
    QCOMPARE(driver.shownRows(), before);
}

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
