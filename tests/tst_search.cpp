// SPDX-License-Identifier: GPL-3.0-or-later
// Typing in the search box narrows the list to rows containing the text.
#include "support/windowfixture.h"

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

class TestSearch : public WindowFixture
{
    Q_OBJECT

private slots:
    void typedTextNarrowsTheList_data();
    void typedTextNarrowsTheList();
    void searchIsKeptAcrossFilters();
    void emptyingTheBoxBringsBackTheList_data();
    void emptyingTheBoxBringsBackTheList();
    void findAndEscapeKeysInEachControl_data();
    void findAndEscapeKeysInEachControl();
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

    const QRegularExpression accent("[éöüåçñ]");
    const int accented = WindowDriver::builtinRowsWhere([&](const BuiltinRow &r) {
                             return QString::fromUtf8(r.lastname).contains(accent);
                         }).value(0, 1);
    const QString name = builtinCell(accented, &BuiltinRow::lastname);
    const QString fragment = name.mid(name.indexOf(accent), 3);
    QTest::newRow("accented capitals") << fragment.toUpper() << true;
    // Without its accent the letter is another letter.
    QString plain = fragment;
    plain[0] = QString(fragment[0]).normalized(QString::NormalizationForm_D)[0];
    QTest::newRow("accent taken off") << plain << true;

    int first = 1; // of the first paper with several authors, each listed
    while (strcmp(catalogue::builtinRows[first - 1].file, catalogue::builtinRows[first].file) != 0)
        ++first;
    QTest::newRow("title fragment") << builtinCell(first, &BuiltinRow::title).left(30) << true;

    const int blankEnded = WindowDriver::builtinRowsWhere([](const BuiltinRow &r) {
                               return QString::fromUtf8(r.firstname).endsWith(u' ');
                           }).value(0, 1);
    const QString given = builtinCell(blankEnded, &BuiltinRow::firstname);
    QTest::newRow("given name with its trailing blank") << given << true;
    QTest::newRow("given name without it") << given.trimmed() << true;
}

void TestSearch::typedTextNarrowsTheList()
{
    QFETCH(QString, text);
    QFETCH(bool, matchesSome);
    m_driver->type(text);
    QCOMPARE(m_driver->searchBox()->text(), text);
    const QList<int> expected = rowsContaining(text);
    QCOMPARE(!expected.isEmpty(), matchesSome);
    QCOMPARE(m_driver->list()->itemCount(), expected.size());
    QCOMPARE(m_driver->list()->model()->columnCount(), 6);
}

void TestSearch::searchIsKeptAcrossFilters()
{
    m_driver->type("an");
    const auto track3 = [](const BuiltinRow &r) { return atoi(r.track) == 3; };
    QVERIFY(WindowDriver::pick(m_driver->tracks(), cataloguenames::track(3)));
    QCOMPARE(m_driver->list()->itemCount(), rowsContaining("an", track3).size());
    QVERIFY(m_driver->list()->itemCount() < rowsContaining("an").size());
    for (const QStringList &row : m_driver->shownRows())
        QCOMPARE(row[3], cataloguenames::track(3));
    m_driver->clickButton("Command2");
    QCOMPARE(m_driver->searchBox()->text(), QStringLiteral("an"));
    QCOMPARE(m_driver->list()->itemCount(), rowsContaining("an").size());
    QVERIFY(m_driver->list()->itemCount() < 178);
}

void TestSearch::emptyingTheBoxBringsBackTheList_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Backspace") << int(Qt::Key_Backspace);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("reset by mouse") << int(Qt::Key_unknown);
    QTest::newRow("reset by Space") << int(Qt::Key_Space);
    QTest::newRow("reset by Enter") << int(Qt::Key_Return);
    QTest::newRow("reset by keypad Enter") << int(Qt::Key_Enter);
}

void TestSearch::emptyingTheBoxBringsBackTheList()
{
    QFETCH(int, key);
    QVERIFY(WindowDriver::pick(m_driver->sessions(), cataloguenames::session(9)));
    m_driver->clickHeader(3);
    const QList<QStringList> filtered = m_driver->shownRows();
    m_driver->type("q");
    QVERIFY(m_driver->list()->itemCount() < filtered.size());
    const auto empty = [&] {
        if (key == Qt::Key_Backspace || key == Qt::Key_Escape)
            QTest::keyClick(m_driver->searchBox(), Qt::Key(key));
        else
            m_driver->pressButton("Command1", key);
    };
    empty();
    QCOMPARE(m_driver->searchBox()->text(), QString());
    QCOMPARE(m_driver->shownRows(), filtered);
    QCOMPARE(m_driver->state().sessionfilter, 9);
    empty(); // on the empty box, which leaves the list as it is
    QCOMPARE(m_driver->shownRows(), filtered);
}

void TestSearch::findAndEscapeKeysInEachControl_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("find"); // Ctrl+F, else Escape
    for (const char *control : {"Text1", "Command1", "Command2", "Combo1", "ListView1"})
        QTest::addRow("Ctrl+F in %s", control) << QString::fromLatin1(control) << true;
    // Where the key closes something of its own, that is all it does.
    for (const char *control : {"Text1", "Command2", "Combo3", "ListView1", "open list", "menu"})
        QTest::addRow("Escape in %s", control) << QString::fromLatin1(control) << false;
}

void TestSearch::findAndEscapeKeysInEachControl()
{
    QFETCH(QString, control);
    QFETCH(bool, find);
    m_driver->type("media");
    const QList<QStringList> found = m_driver->shownRows();
    QWidget *target = nullptr;
    if (control == "open list") {
        QVERIFY(WindowDriver::openAt(m_driver->tracks(), 2));
        target = m_driver->tracks()->view();
    } else if (control == "menu") {
        QTest::keyClick(m_driver->list(), Qt::Key_Menu);
        QTRY_VERIFY(m_driver->listMenu()->isVisible());
        target = m_driver->listMenu();
    } else {
        target = m_driver->control(control.toLatin1().constData());
        target->setFocus();
    }
    QTest::keyClick(target, find ? Qt::Key_F : Qt::Key_Escape,
                    find ? Qt::ControlModifier : Qt::NoModifier);
    const bool empties = !find && control == "Text1";
    QCOMPARE(m_driver->searchBox()->text(), empties ? QString() : QStringLiteral("media"));
    QCOMPARE(m_driver->list()->itemCount(), empties ? 178 : found.size());
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QCOMPARE(m_driver->state().trackfilter, 0);
    if (find) {
        QCOMPARE(QApplication::focusWidget(), m_driver->searchBox());
        QCOMPARE(m_driver->searchBox()->selectedText(), QStringLiteral("media"));
    }
}

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
