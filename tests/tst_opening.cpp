// Opening the clicked row's paper by double click, Enter or the list's menu,
// and copying the marked row.
#include "support/windowfixture.h"

#include <QClipboard>

class TestOpening : public WindowFixture
{
    Q_OBJECT

private slots:
    void doubleClickOpensTheClickedRow_data();
    void doubleClickOpensTheClickedRow();
    void enterOpensWithAnyModifier_data();
    void enterOpensWithAnyModifier();
    void otherKeysOpenNothing_data();
    void otherKeysOpenNothing();
    void rememberedFileOutlivesFiltersAndSearches();
    void noAssociationShowsOpenWith_data();
    void noAssociationShowsOpenWith();
    void menuItemsFollowTheChosenAndMarkedRow_data();
    void menuItemsFollowTheChosenAndMarkedRow();

private:
    // Marks or chooses a row, or not, as the data rows name it: "row clicked"
    // (row 3), "row chosen by Down", "chosen row filtered out" or nothing.
    void prepare(const QString &before)
    {
        if (before == "row clicked" || before == "chosen row filtered out")
            m_driver->clickRow(3);
        if (before == "row chosen by Down") {
            m_driver->list()->setFocus();
            pressInList(Qt::Key_Down);
        }
        if (before == "chosen row filtered out")
            QVERIFY(WindowDriver::pick(m_driver->sessions(), cataloguenames::session(26)));
    }
    QString fileAt(int position) const { return m_driver->list()->cellText(position, 0); }
    void pressInList(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(m_driver->list(), key, modifiers);
    }
};

void TestOpening::doubleClickOpensTheClickedRow_data()
{
    QTest::addColumn<int>("button");
    QTest::newRow("left") << int(Qt::LeftButton);
    QTest::newRow("right") << int(Qt::RightButton);
    QTest::newRow("middle") << int(Qt::MiddleButton);
}

void TestOpening::doubleClickOpensTheClickedRow()
{
    QFETCH(int, button);
    QWidget *viewport = m_driver->list()->viewport();
    for (int row : {2, 5}) {
        m_driver->clickRow(row);
        WindowDriver::doubleClick(viewport, m_driver->rowPoint(row), Qt::MouseButton(button));
    }
    const auto &requests = m_driver->shell.requests;
    // Only the ordinary double click, with the left button, opens.
    QCOMPARE(requests.size(), button == Qt::LeftButton ? 2 : 0);
    if (requests.isEmpty())
        return;
    QCOMPARE(requests[0].file, fileAt(2));
    QCOMPARE(requests[1].file, fileAt(5));
    QCOMPARE(requests[0].verb, QStringLiteral("open"));
    QVERIFY(!requests[0].parameters && !requests[0].directory);
    QCOMPARE(requests[0].showCommand, 1);
    QVERIFY(m_driver->shell.started.isEmpty());
}

void TestOpening::enterOpensWithAnyModifier_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Enter") << int(Qt::Key_Return) << 0;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    QTest::newRow("Shift+Enter") << int(Qt::Key_Return) << int(Qt::ShiftModifier);
    QTest::newRow("Ctrl+Enter") << int(Qt::Key_Return) << int(Qt::ControlModifier);
}

void TestOpening::enterOpensWithAnyModifier()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    m_driver->clickRow(3);
    const QString clicked = fileAt(3);
    QCOMPARE(m_driver->state().selectedfile.text(), clicked);
    pressInList(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    // A key held down repeats its key-down, and each one asks again.
    QKeyEvent repeat(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), QString(), true);
    QApplication::sendEvent(m_driver->list(), &repeat);
    QCOMPARE(m_driver->shell.requests.size(), 2);
    QCOMPARE(m_driver->shell.requests[1].file, clicked);
}

void TestOpening::otherKeysOpenNothing_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("chooses"); // the row it moves to, or the current one
    QTest::newRow("space") << int(Qt::Key_Space) << true;
    QTest::newRow("down") << int(Qt::Key_Down) << true;
    QTest::newRow("page down") << int(Qt::Key_PageDown) << true;
    QTest::newRow("end") << int(Qt::Key_End) << true;
    QTest::newRow("type-ahead") << int(Qt::Key_9) << true;
    QTest::newRow("letter") << int(Qt::Key_O) << false;
    QTest::newRow("escape") << int(Qt::Key_Escape) << false;
    QTest::newRow("F5") << int(Qt::Key_F5) << false;
}

void TestOpening::otherKeysOpenNothing()
{
    QFETCH(int, key);
    QFETCH(bool, chooses);
    m_driver->list()->setFocus(); // which chooses no row
    pressInList(Qt::Key(key));
    QVERIFY(m_driver->shell.requests.isEmpty());
    // Choosing a row with the keys is a click on it; Enter then opens it.
    const QString chosen = chooses ? fileAt(m_driver->list()->currentIndex().row()) : QString();
    QCOMPARE(m_driver->state().selectedfile.text(), chosen);
    pressInList(Qt::Key_Return);
    QCOMPARE(m_driver->shell.requests.last().file, chosen);
}

void TestOpening::rememberedFileOutlivesFiltersAndSearches()
{
    m_driver->clickRow(4);
    const QString clicked = fileAt(4);
    QVERIFY(WindowDriver::pick(m_driver->sessions(), cataloguenames::session(26)));
    QCOMPARE(m_driver->list()->itemCount(), 0);
    // A double click on the empty list opens the row clicked last.
    QTest::mouseDClick(m_driver->list()->viewport(), Qt::LeftButton, {}, QPoint(40, 40));
    m_driver->type("zzz");
    m_driver->clickHeader(3);
    pressInList(Qt::Key_Return);
    QCOMPARE(m_driver->shell.requests.size(), 2);
    QCOMPARE(m_driver->shell.requests[0].file, clicked);
    QCOMPARE(m_driver->shell.requests[1].file, clicked);
    QCOMPARE(m_driver->state().selectedfile.text(), clicked);
}

void TestOpening::noAssociationShowsOpenWith_data()
{
    QTest::addColumn<int>("row"); // clicked before, if any
    QTest::addColumn<bool>("chooserFails");
    QTest::addColumn<QString>("item"); // chosen from the list's menu; Enter if none
    QTest::addColumn<int>("answer");   // the shell's to an open request
    QTest::newRow("clicked row") << 1 << false << "" << 31;
    QTest::newRow("before any click, the empty name") << -1 << false << "" << 31;
    QTest::newRow("chooser cannot start") << 0 << true << "" << 31;
    QTest::newRow("menu's Open") << 2 << false << "Open" << 31;
    QTest::newRow("Open With, associated type") << 2 << false << "Open With\u2026" << 42;
}

void TestOpening::noAssociationShowsOpenWith()
{
    QFETCH(int, row);
    QFETCH(bool, chooserFails);
    QFETCH(QString, item);
    QFETCH(int, answer);
    m_driver->shell.answer = answer;
    m_driver->shell.failToStart = chooserFails;
    if (row < 0)
        m_driver->list()->setFocus();
    else
        m_driver->clickRow(row);
    const QString file = row < 0 ? QString() : fileAt(row);
    if (item.isEmpty())
        pressInList(Qt::Key_Return);
    else
        QVERIFY(m_driver->chooseFromListMenu({item}));
    // Open With goes to the chooser without asking the shell first.
    const bool asked = answer == documents::noAssociation;
    QCOMPARE(m_driver->shell.requests.size(), int(asked));
    if (asked)
        QCOMPARE(m_driver->shell.requests[0].file, file);
    QCOMPARE(m_driver->shell.started.size(), 1);
    QCOMPARE(m_driver->shell.started[0].commandLine,
             "rundll32.exe shell32.dll,OpenAs_RunDLL " + file);
    QCOMPARE(m_driver->shell.started[0].windowStyle, 1);
    // The window stays, whether the chooser started or not.
    QVERIFY(m_driver->form().isVisible());
    QCOMPARE(m_driver->list()->itemCount(), 178);
    // Any other failure shows nothing of the program's own.
    m_driver->shell.answer = documents::fileNotFound;
    pressInList(Qt::Key_Return);
    QCOMPARE(m_driver->shell.started.size(), 1);
}

void TestOpening::menuItemsFollowTheChosenAndMarkedRow_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("key"); // that opens the menu; none for a right click on row 3
    QTest::addColumn<bool>("canOpen");
    QTest::addColumn<bool>("canCopy");
    QTest::newRow("start-up, Menu key") << "" << int(Qt::Key_Menu) << false << false;
    QTest::newRow("clicked, Shift+F10") << "row clicked" << int(Qt::Key_F10) << true << true;
    QTest::newRow("clicked, right click") << "row clicked" << 0 << true << true;
    QTest::newRow("Down, Menu key") << "row chosen by Down" << int(Qt::Key_Menu) << true << true;
    QTest::newRow("rebuilt, Menu key")
        << "chosen row filtered out" << int(Qt::Key_Menu) << true << false;
}

// The menu's items, then Escape and Ctrl+C, or its own "Copy" after a right click.
void TestOpening::menuItemsFollowTheChosenAndMarkedRow()
{
    QFETCH(QString, before);
    QFETCH(int, key);
    QFETCH(bool, canOpen);
    QFETCH(bool, canCopy);
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    prepare(before);
    resultlist::ReportList *list = m_driver->list();
    const int marked = list->markedPosition();
    QPoint at = m_driver->rowPoint(3);
    if (key) {
        list->setFocus();
        pressInList(Qt::Key(key), key == Qt::Key_F10 ? Qt::ShiftModifier : Qt::NoModifier);
        // The keyboard opens it below the marked row, or the current one.
        const QModelIndex row =
            list->model()->index(marked >= 0 ? marked : list->currentIndex().row(), 0);
        at = row.isValid() ? QPoint(0, list->visualRect(row).bottom()) : QPoint();
    } else {
        WindowDriver::rightClick(list->viewport(), at);
    }
    QMenu *menu = m_driver->listMenu();
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), list->viewport()->mapToGlobal(at));
    QList<bool> enabled; // Open, Open With, -, Copy, -, Sort by
    for (const QAction *item : menu->actions())
        enabled.append(item->isEnabled());
    QCOMPARE(enabled, QList<bool>({canOpen, canOpen, true, canCopy, true, true}));
    if (key) {
        // Escape closes it, chooses nothing and gives the focus back to the list.
        QTest::keyClick(menu, Qt::Key_Escape);
        QVERIFY(!menu->isVisible());
        QCOMPARE(QApplication::focusWidget(), list);
        pressInList(Qt::Key_C, Qt::ControlModifier);
    } else {
        menu->setActiveAction(menu->actions()[3]);
        QTest::keyClick(menu, Qt::Key_Return);
    }
    // The six texts as the list shows them: file, "Family, Given", title,
    // track, session, time slot; with no row marked, nothing.
    QCOMPARE(QGuiApplication::clipboard()->text(),
             canCopy ? m_driver->shownRows()[marked].join('\t') + '\n' : QStringLiteral("kept"));
    QVERIFY(m_driver->shell.requests.isEmpty() && m_driver->shell.started.isEmpty());
}

QTEST_MAIN(TestOpening)
#include "tst_opening.moc"
