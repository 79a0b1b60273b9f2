// SPDX-License-Identifier: GPL-3.0-or-later
// The window as an assistive technology reads it, through Qt's accessibility
// interfaces: the controls' names and roles, the list as a table of cells, and
// the list's current row.
#include "support/windowfixture.h"

#include <QAccessible>
#include <QLabel>
#include <QSignalSpy>

#include <cstdlib>

using catalogue::BuiltinRow;

namespace {

QAccessibleInterface *accessible(QObject *object)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    if (!iface) // no later step could run without it
        qFatal("%s has no accessible interface", qPrintable(object->objectName()));
    return iface;
}

QAccessibleTableInterface *table(WindowDriver &driver)
{
    return accessible(driver.list())->tableInterface();
}

QString cellText(QAccessibleTableInterface *table, int row, int column)
{
    QAccessibleInterface *cell = table->cellAt(row, column);
    return cell ? cell->text(QAccessible::Name) : QStringLiteral("<no cell>");
}

// What a screen reader speaks as the control's name: the label that labels it
// where there is one, else the control's own name.
QString spokenName(QAccessibleInterface *iface)
{
    const auto labels = iface->relations(QAccessible::Label);
    return labels.isEmpty() ? iface->text(QAccessible::Name)
                            : labels.first().first->text(QAccessible::Name);
}

// The row a screen reader lands on when it enters the list, or -1 if none.
int currentRow(WindowDriver &driver)
{
    QAccessibleInterface *current = accessible(driver.list())->focusChild();
    if (!current || !current->tableCellInterface())
        return -1;
    return current->tableCellInterface()->rowIndex();
}

// The file names of the built-in rows that `keep` selects, sorted.
QStringList filesWhere(const std::function<bool(const BuiltinRow &)> &keep)
{
    QStringList files;
    for (int row : WindowDriver::builtinRowsWhere(keep))
        files.append(cataloguenames::builtinCell(row, &BuiltinRow::file));
    files.sort();
    return files;
}

const char searchText[] = "media";

// Brings the window into one of the states the tests read; false if it
// cannot, or the state is unknown.
bool reach(WindowDriver &driver, const QString &state)
{
    if (state == "track filter" || state == "sort reset") {
        if (!WindowDriver::pick(driver.tracks(), cataloguenames::track(3)))
            return false;
        if (state == "sort reset")
            driver.clickButton("Command2");
    } else if (state == "one row") {
        driver.type(QStringLiteral("Retrospective"));
    } else if (state == "search typed" || state == "search reset") {
        driver.type(QString::fromLatin1(searchText));
        if (state == "search reset")
            driver.clickButton("Command1");
    } else if (state == "header click" || state == "header clicked twice") {
        driver.clickHeader(3);
        if (state == "header clicked twice")
            driver.clickHeader(3);
    } else if (state == "list focused") {
        driver.list()->setFocus();
    } else if (state == "no rows") {
        return WindowDriver::pick(driver.sessions(), cataloguenames::session(26));
    } else {
        return state == "start-up";
    }
    return true;
}

} // namespace

class TestAccessibility : public WindowFixture
{
    Q_OBJECT

private slots:
    void controlsHaveNamesAndRoles_data();
    void controlsHaveNamesAndRoles();
    void listIsATableOfTheShownCellsWithACurrentRow_data();
    void listIsATableOfTheShownCellsWithACurrentRow();
    void clickedRowStaysMarkedWhereverShown();
    void pickListsReadTheEntryTheKeysPick();
    void listMenuItemsAreNamed();
};

void TestAccessibility::controlsHaveNamesAndRoles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("label"); // the label that labels it, if any
    // Each row is named after its control.
    const auto add = [](const char *control, const char *name, QAccessible::Role role,
                        const char *label = "") {
        QTest::newRow(control) << QString::fromLatin1(name) << role << QString::fromLatin1(label);
    };
    add("Text1", "Search author or title:", QAccessible::EditableText, "Label5");
    add("Command1", "Reset Search", QAccessible::Button);
    add("Command2", "Reset Sort Criteria", QAccessible::Button);
    add("Combo1", "by track:", QAccessible::ComboBox, "Label2");
    add("Combo3", "by session:", QAccessible::ComboBox, "Label4");
    add("Combo2", "by timeslot:", QAccessible::ComboBox, "Label3");
    add("ListView1", "Papers", QAccessible::Tree);
}

void TestAccessibility::controlsHaveNamesAndRoles()
{
    QFETCH(QString, name);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, label);
    QAccessibleInterface *iface = accessible(m_driver->control(QTest::currentDataTag()));
    QCOMPARE(spokenName(iface), name);
    QCOMPARE(iface->text(QAccessible::Name), name); // for readers that take no label
    QCOMPARE(iface->role(), role);
    QVERIFY(iface->state().focusable);
    const auto relations = iface->relations(QAccessible::Label);
    QCOMPARE(relations.size(), label.isEmpty() ? 0 : 1);
    if (!label.isEmpty())
        QCOMPARE(relations.first().first->object(),
                 m_driver->control(label.toLatin1().constData()));
}

void TestAccessibility::listIsATableOfTheShownCellsWithACurrentRow_data()
{
    QTest::addColumn<QStringList>("files"); // each row is named after the state it reaches
    QTest::addColumn<int>("sortColumn");
    QTest::addColumn<QString>("sortDescription"); // of the sort column's header
    const QStringList all = filesWhere([](const BuiltinRow &) { return true; });
    const QString up = QStringLiteral("sorted ascending");
    QTest::newRow("start-up") << all << 1 << up;
    QTest::newRow("track filter") << filesWhere([](const BuiltinRow &r) {
        return atoi(r.track) == 3;
    }) << 1 << up;
    QTest::newRow("search typed") << filesWhere([](const BuiltinRow &r) {
        return cataloguenames::containsText(r, QString::fromLatin1(searchText));
    }) << 1 << up;
    QTest::newRow("one row") << QStringList{"3.doc"} << 1 << up;
    QTest::newRow("search reset") << all << 1 << up;
    QTest::newRow("header click") << all << 2 << up;
    QTest::newRow("header clicked twice") << all << 2 << "sorted descending";
    QTest::newRow("sort reset") << all << 1 << up;
    QTest::newRow("list focused") << all << 1 << up;
    QTest::newRow("no rows") << QStringList() << 1 << up;
}

void TestAccessibility::listIsATableOfTheShownCellsWithACurrentRow()
{
    QFETCH(QStringList, files);
    QFETCH(int, sortColumn);
    QFETCH(QString, sortDescription);
    QVERIFY2(reach(*m_driver, QTest::currentDataTag()), QTest::currentDataTag());
    QAccessibleTableInterface *cells = table(*m_driver);
    QVERIFY(cells);
    QCOMPARE(cells->rowCount(), files.size());
    QCOMPARE(cells->columnCount(), 6);
    const QString rows = files.size() == 1 ? "1 row" : QStringLiteral("%1 rows").arg(files.size());
    QCOMPARE(accessible(m_driver->list())->text(QAccessible::Description),
             files.isEmpty() ? QStringLiteral("No rows") : rows);
    using facts::captions;
    for (int column = 0; column < 6; ++column) {
        QCOMPARE(cells->columnDescription(column), captions[column]);
        // The headers are the table's first children; the sort column's tells the direction.
        QAccessibleInterface *header = accessible(m_driver->list())->child(column);
        QCOMPARE(header->text(QAccessible::Name), captions[column]);
        QCOMPARE(header->text(QAccessible::Description),
                 column == sortColumn ? sortDescription : QString());
    }

    // Row by row, the cells read what the list shows on screen ...
    const QList<QStringList> shown = m_driver->shownRows();
    QCOMPARE(shown.size(), files.size());
    QStringList readFiles;
    for (int row = 0; row < cells->rowCount(); ++row) {
        QStringList read;
        for (int column = 0; column < 6; ++column)
            read.append(cellText(cells, row, column));
        QCOMPARE(read, shown[row]);
        readFiles.append(read.first());
    }
    // ... and they are the catalogue's rows that the state selects.
    readFiles.sort();
    QCOMPARE(readFiles, files);

    // Until a row is chosen, none is current: none looks chosen that is not.
    QCOMPARE(currentRow(*m_driver), -1);
    QCOMPARE(cells->selectedCellCount(), 0);
    QCOMPARE(cells->selectedRows(), QList<int>());
    QCOMPARE(m_driver->state().selectedfile.text(), QString());
}

void TestAccessibility::clickedRowStaysMarkedWhereverShown()
{
    QAccessibleTableInterface *cells = table(*m_driver);
    const QStringList chosen = m_driver->shownRows().at(4);
    const QAccessible::Id shownBefore = QAccessible::uniqueId(cells->cellAt(0, 0));
    QSignalSpy clicks(m_driver->list(), &resultlist::ReportList::itemClick);
    m_driver->clickRow(4);
    QCOMPARE(m_driver->state().selectedfile.text(), chosen.first());
    QCOMPARE(currentRow(*m_driver), 4);
    QCOMPARE(cells->selectedRows(), QList<int>{4});

    // A track the paper is not in leaves no row marked or current, and the
    // keyboard's menu at the list's top; the clicked file stays.
    const int track = chosen[3] == cataloguenames::track(3) ? 4 : 3;
    QVERIFY(WindowDriver::pick(m_driver->tracks(), cataloguenames::track(track)));
    cells = table(*m_driver);
    QCOMPARE(currentRow(*m_driver), -1);
    QCOMPARE(cells->selectedRows(), QList<int>());
    QCOMPARE(m_driver->state().selectedfile.text(), chosen.first());
    m_driver->list()->setFocus();
    QCOMPARE(currentRow(*m_driver), -1);
    QTest::keyClick(m_driver->list(), Qt::Key_Menu);
    QTRY_VERIFY(m_driver->listMenu()->isVisible());
    QCOMPARE(m_driver->listMenu()->pos(), m_driver->list()->viewport()->mapToGlobal(QPoint()));
    QTest::keyClick(m_driver->listMenu(), Qt::Key_Escape);
    // A reader holding on to a cell shown before learns that it is gone, not what
    // another row shows.
    QCOMPARE(QAccessible::accessibleInterface(shownBefore), nullptr);
    QCOMPARE(cellText(cells, 0, 0), m_driver->shownRows().first().first());

    // Shown again, wherever it now stands, it is marked and current, not clicked.
    QVERIFY(WindowDriver::pick(m_driver->tracks(), cataloguenames::track(0)));
    const int position = int(m_driver->shownRows().indexOf(chosen));
    QCOMPARE(currentRow(*m_driver), position);
    QCOMPARE(table(*m_driver)->selectedRows(), QList<int>{position});
    QCOMPARE(clicks.count(), 1);
}

void TestAccessibility::pickListsReadTheEntryTheKeysPick()
{
    for (window::PickList *pickList :
         {m_driver->tracks(), m_driver->sessions(), m_driver->timeslots()}) {
        QAccessibleInterface *iface = accessible(pickList);
        const QString label = iface->text(QAccessible::Name);
        QTest::keyClick(pickList, Qt::Key_Down);
        QCOMPARE(pickList->currentIndex(), 1);
        QAccessibleTextInterface *text = iface->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), pickList->currentText());
        QCOMPARE(iface->text(QAccessible::Value), pickList->currentText());
        // The entry reads as selected as a whole, so its replacement is spoken.
        int start = -1;
        int end = -1;
        text->selection(0, &start, &end);
        QCOMPARE(std::pair(start, end), std::pair(0, int(pickList->currentText().size())));
        QCOMPARE(iface->text(QAccessible::Name), label);
    }
}

void TestAccessibility::listMenuItemsAreNamed()
{
    QVERIFY(m_driver->chooseFromListMenu({"Sort by"}));
    // What a reader speaks for each item, and its shortcut, as the keys move
    // through the menu.
    const auto read = [](QMenu *menu) {
        QStringList items;
        QAccessibleInterface *iface = accessible(menu);
        for (int i = 0; i < iface->childCount(); ++i) {
            QAccessibleInterface *item = iface->child(i);
            const bool separator = item->role() == QAccessible::Separator;
            const QString keys = item->text(QAccessible::Accelerator);
            items.append(separator ? QStringLiteral("-")
                                   : item->text(QAccessible::Name)
                                         + (item->state().checked ? " (checked)" : "")
                                         + (keys.isEmpty() ? "" : " " + keys));
        }
        return items;
    };
    QMenu *menu = m_driver->listMenu();
    QCOMPARE(read(menu),
             QStringList({"Open Enter", "Open With\u2026", "Show in Folder", "-", "Copy Ctrl+C",
                          "Copy Citation Ctrl+Shift+C", "Copy BibTeX", "-", "Sort by"}));
    QCOMPARE(read(menu->actions().last()->menu()),
             QStringList({"Open", "Author (checked)", "Title", "Track", "Session", "Time slot"}));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
