// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows shell itself: what ShellExecuteA answers for the program's
// requests, and the Open With command line started when no application is
// associated with a paper's type.
#include "support/windowdriver.h"

#include "documents/paperopener.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>

#include <windows.h>

class TestWindowsShell : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void requestsGetTheShellsAnswer_data();
    void requestsGetTheShellsAnswer();
    void openWithFromTheWindowLeavesTheWindow();
    void paperOpensFromAnotherFolder();
    void showInFolderAsksTheShell();

private:
    // The file types, where the test registers one of its own.
    static QSettings classes()
    {
        return QSettings(QStringLiteral("HKEY_CLASSES_ROOT"), QSettings::NativeFormat);
    }
    static bool createFile(const QString &name) { return QFile(name).open(QIODevice::WriteOnly); }

    QTemporaryDir m_papers;
};

void TestWindowsShell::initTestCase()
{
    // The shell finds a bare file name in the current directory.
    QVERIFY(m_papers.isValid());
    QVERIFY(QDir::setCurrent(m_papers.path()));
    // An application that ends at once, so that nothing outlives the test.
    classes().setValue(QStringLiteral(".brevanor-paper/Default"), QStringLiteral("BrevanorPaper"));
    classes().setValue(QStringLiteral("BrevanorPaper/shell/open/command/Default"),
                       QStringLiteral("cmd.exe /c exit"));
}

void TestWindowsShell::cleanupTestCase()
{
    classes().remove(QStringLiteral(".brevanor-paper"));
    classes().remove(QStringLiteral("BrevanorPaper"));
}

void TestWindowsShell::requestsGetTheShellsAnswer_data()
{
    // Every file but the missing one is there; 33 stands for any success.
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("code");
    QTest::newRow("associated type") << QStringLiteral("2.brevanor-paper") << 33;
    // Found only if the name reaches the shell in the system's code page.
    QTest::newRow("blanks and letters beyond ASCII")
        << QStringLiteral("Øberg und Böhm, Über Ähnlichkeit 7.brevanor-paper") << 33;
    QTest::newRow("missing file") << QStringLiteral("missing.brevanor-paper")
                                  << facts::fileNotFound;
    QTest::newRow("no association")
        << QStringLiteral("135.brevanor-unknown") << facts::noAssociation;
}

void TestWindowsShell::requestsGetTheShellsAnswer()
{
    QFETCH(QString, file);
    QFETCH(int, code);
    QVERIFY(code == facts::fileNotFound || createFile(file));
    RecordingShell shell;
    shell.forwardTo = documents::createPlatformShell();
    catalogue::Catalogue state;
    QStringList told;
    documents::PaperOpener(
        state, shell, [&told](const QString &message, const QString &) { told.append(message); })
        .RunShellExecute(QStringLiteral("open"), catalogue::Cell(file), std::nullopt, std::nullopt,
                         facts::showNormal);
    QCOMPARE(shell.requests.size(), 1);
    QCOMPARE(std::min(shell.requests[0].code, 33), code);
    // Only the missing association starts anything, and it did start.
    const bool opensWith = code == facts::noAssociation;
    QCOMPARE(shell.started.size(), opensWith ? 1 : 0);
    if (opensWith)
        QCOMPARE(shell.started[0].commandLine, facts::openWithCommand + file);
    // The shell shows no message of its own: the program tells where it looked.
    const QString folder = QDir::toNativeSeparators(QDir::currentPath());
    QCOMPARE(told.size(), code == facts::fileNotFound ? 1 : 0);
    if (!told.isEmpty())
        QVERIFY2(
            told[0].contains(" in the folder:\n" + QString(folder).replace(' ', "\u00a0") + '\n'),
            qPrintable(told[0]));
}

void TestWindowsShell::openWithFromTheWindowLeavesTheWindow()
{
    WindowDriver driver;
    driver.shell.forwardTo = documents::createPlatformShell();
    QVERIFY(driver.showWindow());
    const QString file = driver.list()->cellText(0, 0);
    QVERIFY(createFile(file));
    driver.clickRow(0);
    QTest::keyClick(driver.list(), Qt::Key_Return);
    QCOMPARE(driver.shell.requests.size(), 1);
    QCOMPARE(driver.shell.started.size(), 1);
    QCOMPARE(driver.shell.started[0].commandLine, facts::openWithCommand + file);
    // The window goes on answering its user.
    driver.type(QStringLiteral("Bertolini"));
    QVERIFY(driver.form().isVisible());
    QVERIFY(driver.list()->itemCount() > 0 && driver.list()->itemCount() < 178);
}

// A folder chosen from the message, whose name holds blanks and letters beyond
// ASCII: the shell finds the paper there by its bare name.
void TestWindowsShell::paperOpensFromAnotherFolder()
{
    WindowDriver driver;
    driver.shell.forwardTo = documents::createPlatformShell();
    QVERIFY(driver.showWindow());
    const QString file = driver.list()->cellText(0, 0);
    QFile::remove(file);
    driver.clickRow(0);
    QTest::keyClick(driver.list(), Qt::Key_Return);
    const QString folder = m_papers.filePath(QStringLiteral("Øberg und Böhm 2002"));
    QVERIFY(QDir().mkpath(folder) && createFile(folder + QLatin1Char('/') + file));
    driver.shell.folderChosen = folder;
    QVERIFY(!driver.takeNotice(true).isEmpty());
    QCOMPARE(driver.shell.requests.size(), 2);
    QCOMPARE(driver.shell.requests[0].code, facts::fileNotFound);
    QVERIFY(driver.shell.requests[1].code != facts::fileNotFound);
    QCOMPARE(driver.takeNotice(), QString());
    QVERIFY(QDir::setCurrent(m_papers.path()));
}

// Closes the shell's windows whose title names the folder; how many it closed.
int closeWindowsNaming(const QString &folder)
{
    struct Search
    {
        QString folder;
        int closed = 0;
    } search{folder};
    EnumWindows(
        [](HWND window, LPARAM found) -> BOOL {
            auto &search = *reinterpret_cast<Search *>(found);
            wchar_t title[512] = {};
            GetWindowTextW(window, title, 511);
            if (QString::fromWCharArray(title).contains(search.folder)) {
                PostMessageW(window, WM_CLOSE, 0, 0);
                ++search.closed;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.closed;
}

// The shell's own folder window shows a document selected, found by its bare
// name; a missing one is not asked for.
void TestWindowsShell::showInFolderAsksTheShell()
{
    const std::unique_ptr<documents::Shell> shell = documents::createPlatformShell();
    QVERIFY(createFile(QStringLiteral("47 Über.brevanor-paper")));
    QVERIFY(shell->showInFolder(QStringLiteral("47 Über.brevanor-paper")) > 32);
    QCOMPARE(shell->showInFolder(QStringLiteral("missing.brevanor-paper")), facts::fileNotFound);
    // The folder's window, in a process of its own, would outlive the test.
    QTRY_VERIFY(closeWindowsNaming(QDir(m_papers.path()).dirName()) > 0);
}

QTEST_MAIN(TestWindowsShell)
#include "tst_windowsshell.moc"
