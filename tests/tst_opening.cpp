// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing a row by whatever marks it, and opening the chosen row's paper by
// double click, Enter or the list's menu; a paper that cannot open tells why;
// copying the marked row, its paper's reference and entry; dragging a row out.
#include "support/windowfixture.h"

#include <QAccessible>
#include <QClipboard>
#include <QDir>
#include <QMimeData>
#include <QOperatingSystemVersion>
#include <QScrollBar>
#include <QTemporaryDir>

// The messages of a document not found: %1 the file; then its folder; then
// where documents are looked for.
const QString notFound = "The document \"%1\" was not found in the folder:\n";
const QString gone = "The document \"%1\" was not found, because this folder no longer exists:\n";
const QString started = "\n\nDocuments are looked for in the folder the program was started from.";
const QString now = "\n\nDocuments are now looked for in this folder, the one chosen last, until "
                    "the program is closed.";
const QString held = "Ærø papers 2002"; // a folder that holds the document

// A folder as messages show it: its own separators, never broken at a blank.
QString shownFolder(const QString &path)
{
    return QDir::toNativeSeparators(path).replace(' ', "\u00a0");
}

// Something the user does in the window.
using Act = std::function<void(WindowDriver &)>;
Q_DECLARE_METATYPE(Act)

class TestOpening : public WindowFixture
{
    Q_OBJECT

private slots:
    void whatChoosesARowAndWhatOpensIt_data();
    void whatChoosesARowAndWhatOpensIt();
    void typeAheadGoesByFileNames_data();
    void typeAheadGoesByFileNames();
    void failuresAreTold_data();
    void failuresAreTold();
    void anotherFolderFromTheMessage_data();
    void anotherFolderFromTheMessage();
    void menuItemsFollowTheChosenAndMarkedRow_data();
    void menuItemsFollowTheChosenAndMarkedRow();
    void copiesTheMarkedRowsPaper_data();
    void copiesTheMarkedRowsPaper();

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

void TestOpening::whatChoosesARowAndWhatOpensIt_data()
{
    QTest::addColumn<Act>("act");
    QTest::addColumn<int>("chosen"); // marked and current; -1 for none, -2 the current row
    QTest::addColumn<int>("opened"); // how often the act opens the chosen row's paper
    // Choosing a row with the keys is a click on it, even where they cannot move.
    const auto key = [](Qt::Key pressed) {
        return Act([=](WindowDriver &d) {
            d.list()->setFocus(); // which chooses no row
            QTest::keyClick(d.list(), pressed);
        });
    };
    // With no row current, they start at the first row, End at the last.
    QTest::newRow("space") << key(Qt::Key_Space) << 0 << 0;
    QTest::newRow("down") << key(Qt::Key_Down) << 0 << 0;
    QTest::newRow("page down") << key(Qt::Key_PageDown) << -2 << 0;
    QTest::newRow("end") << key(Qt::Key_End) << 177 << 0;
    QTest::newRow("home on the first row") << key(Qt::Key_Home) << 0 << 0;
    QTest::newRow("up on the first row") << key(Qt::Key_Up) << 0 << 0;
    QTest::newRow("right") << key(Qt::Key_Right) << -1 << 0;
    QTest::newRow("type-ahead") << key(Qt::Key_9) << -2 << 0;
    QTest::newRow("letter") << key(Qt::Key_O) << -1 << 0;
    QTest::newRow("escape") << key(Qt::Key_Escape) << -1 << 0;
    QTest::newRow("F5") << key(Qt::Key_F5) << -1 << 0;
    const auto press = [](Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {}) {
        return Act([=](WindowDriver &d) {
            d.clickRow(modifiers ? 3 : 1);
            QTest::mouseClick(d.list()->viewport(), button, modifiers, d.rowPoint(3));
        });
    };
    QTest::newRow("left button") << press(Qt::LeftButton) << 3 << 0;
    QTest::newRow("right button") << press(Qt::RightButton) << 3 << 0;
    QTest::newRow("middle button") << press(Qt::MiddleButton) << 3 << 0;
    QTest::newRow("Ctrl on the marked row") << press(Qt::LeftButton, Qt::ControlModifier) << 3 << 0;
    // The press chooses its row; moved on, it drags the row out.
    QTest::newRow("drag to another row") << Act([](WindowDriver &d) {
        QTest::mousePress(d.list()->viewport(), Qt::LeftButton, {}, d.rowPoint(2));
        QTest::mouseMove(d.list()->viewport(), d.rowPoint(5));
        QTest::mouseRelease(d.list()->viewport(), Qt::LeftButton, {}, d.rowPoint(5));
    }) << 2 << 0;
    QTest::newRow("press on the empty part, after row 1") << Act([](WindowDriver &d) {
        d.type("media");
        d.clickRow(1);
        QWidget *rows = d.list()->viewport();
        QTest::mouseClick(rows, Qt::LeftButton, {}, QPoint(20, rows->height() - 5));
    }) << 1 << 0;
    const auto tabFrom = [](const char *control, Qt::KeyboardModifiers modifiers) {
        return Act([=](WindowDriver &d) {
            d.control(control)->setFocus();
            QTest::keyClick(d.control(control), Qt::Key_Tab, modifiers);
        });
    };
    QTest::newRow("Tab into the list") << tabFrom("Combo2", {}) << 0 << 0;
    QTest::newRow("Shift+Tab into the list") << tabFrom("Text1", Qt::ShiftModifier) << 0 << 0;
    const auto focus = [](Qt::FocusReason reason) {
        return Act([=](WindowDriver &d) { d.list()->setFocus(reason); });
    };
    QTest::newRow("focus by the program") << focus(Qt::OtherFocusReason) << -1 << 0;
    QTest::newRow("window activation") << focus(Qt::ActiveWindowFocusReason) << -1 << 0;
    QTest::newRow("popup closing") << focus(Qt::PopupFocusReason) << -1 << 0;
    const auto onLastRow = [](Qt::Key pressed) {
        return Act([=](WindowDriver &d) {
            QAbstractItemView *list = d.list();
            list->selectionModel()->setCurrentIndex(list->model()->index(177, 0),
                                                    QItemSelectionModel::NoUpdate);
            QTest::keyClick(list, pressed);
        });
    };
    QTest::newRow("End on the last row") << onLastRow(Qt::Key_End) << 177 << 0;
    QTest::newRow("Down on the last row") << onLastRow(Qt::Key_Down) << 177 << 0;
    QTest::newRow("a screen reader's select") << Act([](WindowDriver &d) {
        QAccessible::queryAccessibleInterface(d.list())->tableInterface()->selectRow(4);
    }) << 4 << 0;
    // Only the ordinary double click, with the left button, opens the row it
    // clicks, not the one chosen before.
    const auto doubleClick = [](Qt::MouseButton button) {
        return Act([=](WindowDriver &d) {
            d.clickRow(2);
            WindowDriver::doubleClick(d.list()->viewport(), d.rowPoint(5), button);
        });
    };
    QTest::newRow("double click") << doubleClick(Qt::LeftButton) << 5 << 1;
    QTest::newRow("right double click") << doubleClick(Qt::RightButton) << 5 << 0;
    QTest::newRow("middle double click") << doubleClick(Qt::MiddleButton) << 5 << 0;
    // A key held down repeats its key-down, which asks nothing more.
    const auto enter = [](Qt::Key pressed, Qt::KeyboardModifiers modifiers) {
        return Act([=](WindowDriver &d) {
            d.clickRow(3);
            QTest::keyClick(d.list(), pressed, modifiers);
            QKeyEvent repeat(QEvent::KeyPress, pressed, modifiers, QString(), true);
            QApplication::sendEvent(d.list(), &repeat);
        });
    };
    QTest::newRow("Enter") << enter(Qt::Key_Return, {}) << 3 << 1;
    QTest::newRow("keypad Enter") << enter(Qt::Key_Enter, Qt::KeypadModifier) << 3 << 1;
    QTest::newRow("Shift+Enter") << enter(Qt::Key_Return, Qt::ShiftModifier) << 3 << 1;
    QTest::newRow("Ctrl+Enter") << enter(Qt::Key_Return, Qt::ControlModifier) << 3 << 1;
}

// The act, then Enter, which opens the chosen row, or asks for no file when
// none is chosen.
void TestOpening::whatChoosesARowAndWhatOpensIt()
{
    QFETCH(Act, act);
    QFETCH(int, chosen);
    QFETCH(int, opened);
    act(*m_driver);
    const resultlist::ReportList *list = m_driver->list();
    const int row = chosen == -2 ? list->currentIndex().row() : chosen;
    QVERIFY(chosen != -2 || row >= 0);
    const QModelIndexList marked = list->selectionModel()->selectedRows();
    QCOMPARE(marked.size(), row < 0 ? 0 : 1);
    const QString file = row < 0 ? QString() : fileAt(row);
    QCOMPARE(m_driver->state().selectedfile.text(), file);
    if (row >= 0) {
        QCOMPARE(marked.first().row(), row);
        QCOMPARE(list->currentIndex().row(), row);
    }
    pressInList(Qt::Key_Return);
    const auto &requests = m_driver->shell.requests;
    QCOMPARE(requests.size(), opened + 1);
    for (const RecordingShell::Request &request : requests) {
        QCOMPARE(request.file, file);
        QCOMPARE(request.verb, QStringLiteral("open"));
        QVERIFY(!request.parameters && !request.directory);
        QCOMPARE(request.showCommand, 1);
    }
    QVERIFY(m_driver->shell.started.isEmpty());
}

void TestOpening::typeAheadGoesByFileNames_data()
{
    QTest::addColumn<int>("key");   // pressed before typing, or a click on a title
    QTest::addColumn<bool>("wide"); // the columns wider than the view
    QTest::newRow("after Right") << int(Qt::Key_Right) << false;
    QTest::newRow("after Right, wide columns") << int(Qt::Key_Right) << true;
    QTest::newRow("after Left, wide columns") << int(Qt::Key_Left) << true;
    QTest::newRow("after a click on a title") << int(Qt::Key_unknown) << false;
}

void TestOpening::typeAheadGoesByFileNames()
{
    QFETCH(int, key);
    QFETCH(bool, wide);
    resultlist::ReportList *list = m_driver->list();
    QScrollBar *sideways = list->horizontalScrollBar();
    if (wide) {
        list->setColumnWidth(4, 2000);
        QTRY_VERIFY(sideways->maximum() > 0);
        sideways->setValue(key == Qt::Key_Left ? sideways->maximum() : 0);
    }
    const int before = sideways->value();
    list->setFocus();
    if (key == Qt::Key_unknown) {
        const QRect title = list->visualRect(list->model()->index(0, 2));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, title.center());
    } else {
        pressInList(Qt::Key(key));
        QVERIFY(list->currentIndex().column() <= 0); // never a cell sideways
    }
    // Sideways the keys scroll the columns, in their own direction, when they can.
    QCOMPARE(qBound(-1, sideways->value() - before, 1), wide ? key == Qt::Key_Left ? -1 : 1 : 0);
    pressInList(Qt::Key_9);
    const QString chosen = m_driver->state().selectedfile.text();
    QVERIFY2(chosen.startsWith(QLatin1Char('9')), qPrintable(chosen));
    QCOMPARE(fileAt(list->currentIndex().row()), chosen);
}

void TestOpening::failuresAreTold_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("chooserFails");
    QTest::addColumn<int>("row");      // chosen before, if any
    QTest::addColumn<QString>("item"); // chosen from the list's menu; Enter if none
    QTest::addColumn<QString>("told"); // %1 the file, %2 the current directory
    const QString missing = notFound + "%2" + started;
    QTest::newRow("opened") << 42 << false << 2 << "" << QString();
    QTest::newRow("Open With shown") << 31 << false << 1 << "" << QString();
    QTest::newRow("Open With, before any choice") << 31 << false << -1 << "" << QString();
    QTest::newRow("chooser cannot start") << 31 << true << 2 << ""
                                          << "The Open With dialog could not be shown for \"%1\".";
    QTest::newRow("chooser cannot start, before any choice") << 31 << true << -1 << "" << QString();
    QTest::newRow("file not found") << 2 << false << 2 << "" << missing;
    QTest::newRow("path not found") << 3 << false << 2 << "" << missing;
    QTest::newRow("access denied") << 5 << false << 2 << ""
                                   << "The document \"%1\" could not be opened (error 5).";
    QTest::newRow("file not found, before any choice") << 2 << false << -1 << "" << QString();
    QTest::newRow("menu's Open") << 31 << false << 2 << "Open" << QString();
    QTest::newRow("menu's Open, file not found") << 2 << false << 2 << "Open" << missing;
    // No chooser for a file that is not there: the message tells where it was
    // looked for.
    QTest::newRow("Open With, missing file") << 42 << false << 2 << "Open With\u2026" << missing;
    QTest::newRow("Show in Folder") << 42 << false << 2 << "Show in Folder" << QString();
    QTest::newRow("Show in Folder, file not found")
        << 2 << false << 2 << "Show in Folder" << missing;
    QTest::newRow("Show in Folder fails") << 0 << false << 2 << "Show in Folder"
                                          << "The folder of \"%1\" could not be shown.";
}

void TestOpening::failuresAreTold()
{
    QFETCH(int, answer);
    QFETCH(bool, chooserFails);
    QFETCH(int, row);
    QFETCH(QString, item);
    QFETCH(QString, told);
    m_driver->shell.answer = answer;
    m_driver->shell.failToStart = chooserFails;
    m_driver->list()->setFocus();
    if (row >= 0)
        m_driver->clickRow(row);
    const QString file = row < 0 ? QString() : fileAt(row);
    if (item.isEmpty())
        pressInList(Qt::Key_Return);
    else
        QVERIFY(m_driver->chooseFromListMenu({item}));
    // Open With goes to the chooser without asking the shell first.
    const bool openWith = item.startsWith("Open With");
    const bool missingFile = told.contains("not found");
    const bool showFolder = item == "Show in Folder";
    QCOMPARE(m_driver->shell.shownInFolder, showFolder ? QStringList{file} : QStringList());
    QCOMPARE(m_driver->shell.requests.size(), openWith || showFolder ? 0 : 1);
    if (!openWith && !showFolder)
        QCOMPARE(m_driver->shell.requests[0].file, file);
    // Only Open With or a type without an application starts the chooser, for
    // the name as it is.
    const QList<RecordingShell::Started> &started = m_driver->shell.started;
    QCOMPARE(started.size(),
             (openWith && !missingFile) || (answer == facts::noAssociation && !showFolder) ? 1 : 0);
    if (!started.isEmpty()) {
        QCOMPARE(started[0].commandLine, facts::openWithCommand + file);
        QCOMPARE(started[0].windowStyle, facts::showNormal);
    }
    const QString folder = shownFolder(QDir::currentPath());
    // Only a document not found offers another folder.
    const QString buttons = missingFile ? "|2" : "|1";
    QCOMPARE(m_driver->takeNotice(),
             told.isNull() ? QString()
                           : "Brevanor 2002|" + told.replace("%2", folder).arg(file) + buttons);
    // Told over the window, which stays and then has its focus back.
    QTRY_VERIFY(m_driver->list()->hasFocus());
    QCOMPARE(m_driver->list()->itemCount(), 178);
}

void TestOpening::anotherFolderFromTheMessage_data()
{
    QTest::addColumn<QString>("ask");     // for the paper of row 3: Enter, Open With… or twice
    QTest::addColumn<QString>("chosen");  // a folder of the test's; empty for Cancel
    QTest::addColumn<int>("there");       // the shell's answer for a document that is there
    QTest::addColumn<QString>("removed"); // the start folder before, or the chosen one after
    QTest::addColumn<QString>("told");    // after the choice: %1 file, %2 chosen, %3 start
    QTest::addColumn<QString>("later");   // for a later Enter
    const QString none;
    QTest::newRow("blanks and letters beyond ASCII, asked again while told")
        << "twice" << held << 42 << none << none << none;
    QTest::newRow("no application there") << "Enter" << held << 31 << none << none << none;
    QTest::newRow("missing there too")
        << "Enter"
        << "empty" << 42 << none << notFound + "%2" + now << notFound + "%2" + now;
    QTest::newRow("Cancel") << "Enter" << none << 42 << none << none << notFound + "%3" + started;
    QTest::newRow("Open With\u2026") << "Open With\u2026" << held << 31 << none << none << none;
    QTest::newRow("start folder removed") << "Enter" << held << 42 << "start" << none << none;
    QTest::newRow("chosen folder gone") << "Enter"
                                        << "gone" << 42 << none
                                        << "The folder chosen no longer exists:\n%2\n\nDocuments "
                                           "are still looked for in the folder the program was "
                                           "started from:\n%3"
                                        << notFound + "%3" + started;
    QTest::newRow("chosen folder removed later")
        << "Enter" << held << 42 << "chosen" << none << gone + "%2" + now;
}

// The message's other folder: chosen, it is where this and every later request
// looks; the request gets its answer from there. The shell finds only what is
// in the current folder.
void TestOpening::anotherFolderFromTheMessage()
{
    QFETCH(QString, ask);
    QFETCH(QString, chosen);
    QFETCH(int, there);
    QFETCH(QString, removed);
    QFETCH(QString, told);
    QFETCH(QString, later);
    if (!removed.isEmpty()
        && QOperatingSystemVersion::currentType() == QOperatingSystemVersion::Windows)
        QSKIP("Windows keeps a process's current folder from being removed");
    static const QString back = QDir::currentPath(); // as the first case found it
    QTemporaryDir root;
    const QString start = root.filePath("start"), folder = root.filePath(chosen);
    QVERIFY(QDir().mkpath(start) && QDir().mkpath(root.filePath("empty"))
            && QDir().mkpath(root.filePath(held)) && QDir::setCurrent(start));
    m_driver = std::make_unique<WindowDriver>();
    QVERIFY(m_driver->showWindow());
    RecordingShell &shell = m_driver->shell;
    shell.missingUnlessThere = true;
    shell.answer = there;
    const QString file = fileAt(3);
    QVERIFY(QFile(root.filePath(held + '/' + file)).open(QIODevice::WriteOnly));
    QVERIFY(removed != "start" || QDir(start).removeRecursively());
    m_driver->clickRow(3);
    if (ask.startsWith("Open With"))
        QVERIFY(m_driver->chooseFromListMenu({ask}));
    for (int i = ask == "twice" ? 2 : ask == "Enter"; i > 0; --i)
        pressInList(Qt::Key_Return);
    QList<QMessageBox *> boxes = m_driver->form().findChildren<QMessageBox *>();
    boxes.removeIf([](const QMessageBox *box) { return !box->isVisible(); });
    QCOMPARE(boxes.size(), 1);
    // Enter held down answers nothing: the message stays for its first press.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, {}, QString(), true);
    QApplication::sendEvent(boxes[0]->defaultButton(), &repeat);
    QVERIFY(boxes[0]->isVisible());
    shell.folderChosen = chosen.isEmpty() ? std::optional<QString>() : folder;
    const auto expected = [&](QString text) {
        text.replace("%1", file)
            .replace("%2", shownFolder(folder))
            .replace("%3", shownFolder(start));
        return text.isEmpty() ? text : "Brevanor 2002|" + text + "|2";
    };
    QCOMPARE(m_driver->takeNotice(true),
             expected((removed == "start" ? gone : notFound) + "%3" + started));
    QCOMPARE(
        shell.folderRequests,
        QList<QStringList>({{"Choose the Folder That Holds \"" + file + '"', shownFolder(start)}}));
    const bool taken = QFileInfo(folder).isDir() && !chosen.isEmpty();
    QCOMPARE(m_driver->takeNotice(), expected(told));
    // The chooser is started for a type without an application.
    QCOMPARE(shell.started.size(), taken && there == 31 && chosen == held ? 1 : 0);
    QCOMPARE(shell.requests.size(), (ask == "twice" ? 2 : ask == "Enter" ? 1 : 0) + taken);
    QVERIFY(removed != "chosen" || QDir(folder).removeRecursively());
    WindowDriver::doubleClick(m_driver->list()->viewport(), m_driver->rowPoint(3));
    QCOMPARE(m_driver->takeNotice(), expected(later));
    if (removed.isEmpty())
        QCOMPARE(QDir::currentPath(), taken ? folder : start);
    QVERIFY(QDir::setCurrent(back));
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
    QList<bool> enabled; // Open, Open With, Show in Folder, -, the three copies, -, Sort by
    for (const QAction *item : menu->actions())
        enabled.append(item->isEnabled());
    QCOMPARE(enabled,
             QList<bool>({canOpen, canOpen, canOpen, true, canCopy, canCopy, canCopy, true, true}));
    if (key) {
        // Escape closes it, chooses nothing and gives the focus back to the list.
        QTest::keyClick(menu, Qt::Key_Escape);
        QVERIFY(!menu->isVisible());
        QCOMPARE(QApplication::focusWidget(), list);
        pressInList(Qt::Key_C, Qt::ControlModifier);
    } else {
        menu->setActiveAction(menu->actions()[4]);
        QTest::keyClick(menu, Qt::Key_Return);
    }
    // The six texts as the list shows them: file, "Family, Given", title,
    // track, session, time slot, also as a one-row table; with no row marked,
    // nothing.
    const QStringList cells = canCopy ? m_driver->shownRows()[marked] : QStringList();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             canCopy ? cells.join('\t') + '\n' : QStringLiteral("kept"));
    QCOMPARE(QGuiApplication::clipboard()->mimeData()->html(),
             canCopy ? "<table><tr><td>" + cells.join("</td><td>") + "</td></tr></table>" : "");
    QVERIFY(m_driver->shell.requests.isEmpty() && m_driver->shell.started.isEmpty());
}

void TestOpening::copiesTheMarkedRowsPaper_data()
{
    QTest::addColumn<QString>("item"); // from the menu, or keys
    QTest::addColumn<QString>("text"); // how the copy begins
    QTest::addColumn<QString>("html"); // how its HTML begins; none when empty
    // The texts' own tests read the rest.
    const QString citation = "Thygesen, H.-C. (2002, November 8). ";
    QTest::newRow("Copy Citation") << "Copy Citation" << citation << citation + "<i>Designing";
    QTest::newRow("Ctrl+Shift+C") << "Ctrl+Shift+C" << citation << citation + "<i>Designing";
    QTest::newRow("Copy BibTeX")
        << "Copy BibTeX"
        << "@inproceedings{Thygesen2002Designing,\n  author = {Thygesen, Hans-Christian},\n"
        << "";
    // A row dragged out carries its text, and its document while it is there.
    QTest::newRow("dragged, document there") << "drag 47.pdf"
                                             << "47.pdf\t"
                                             << "";
    QTest::newRow("dragged, document missing") << "drag"
                                               << "47.pdf\t"
                                               << "";
}

// Each copy goes to the clipboard and leaves the focus in the list; a drag
// carries its own, only as a copy.
void TestOpening::copiesTheMarkedRowsPaper()
{
    QFETCH(QString, item);
    QFETCH(QString, text);
    QFETCH(QString, html);
    m_driver->type("Picking Winners");
    QCOMPARE(m_driver->list()->itemCount(), 1);
    m_driver->clickRow(0);
    QTemporaryDir folder;
    QVERIFY(QDir::setCurrent(folder.path()));
    QVERIFY(item != "drag 47.pdf" || QFile("47.pdf").open(QIODevice::WriteOnly));
    QAbstractItemModel *rows = m_driver->list()->model();
    std::unique_ptr<QMimeData> dragged;
    if (item.startsWith("Ctrl"))
        pressInList(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    else if (item.startsWith("drag"))
        dragged.reset(rows->mimeData({rows->index(0, 2)}));
    else
        QVERIFY(m_driver->chooseFromListMenu({item}));
    QDir::setCurrent(QDir::tempPath());
    const QMimeData *copied = dragged ? dragged.get() : QGuiApplication::clipboard()->mimeData();
    QCOMPARE(copied->urls(), item == "drag 47.pdf"
                                 ? QList<QUrl>{QUrl::fromLocalFile(folder.filePath("47.pdf"))}
                                 : QList<QUrl>());
    QCOMPARE(copied->text().left(text.size()), text);
    if (item.startsWith("drag"))
        QCOMPARE(copied->text(), m_driver->shownRows()[0].join('\t') + '\n');
    QCOMPARE(copied->hasHtml(), !html.isEmpty());
    QCOMPARE(copied->html().left(html.size()), html);
    QTRY_COMPARE(QApplication::focusWidget(), m_driver->list());
    QCOMPARE(rows->supportedDragActions(), Qt::CopyAction);
    QCOMPARE(m_driver->list()->dragDropMode(), QAbstractItemView::DragOnly);
}

QTEST_MAIN(TestOpening)
#include "tst_opening.moc"
