// The Linux shell for real: GIO, a desktop of our own with a handler
// application that records how it was started, and the Open With chooser.
#include "documents/openwithdialog.h"
#include "documents/paperopener.h"
#include "documents/shell.h"
#include "errors/runtimeerror.h"
#include "support/windowdriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

#include <signal.h>

using documents::OpenWithDialog;

namespace {

constexpr int launchTimeout = 10000;
const QString sentinelName = QStringLiteral("sentinel.pdf");

// Writes its arguments, one a line, into a file of its own per start; the
// rename makes a record appear only when complete.
const char recorderScript[] = R"(#!/bin/sh
record='%1'/$$
printf '%s\n' "$@" > "$record.part" && mv "$record.part" "$record"
)";

// False if the file cannot be written whole.
bool writeFile(const QString &path, const QByteArray &content,
               QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.flush()
           && file.setPermissions(permissions);
}

QByteArray desktopEntry(const QString &name, const QString &exec, const QString &extra = {})
{
    return QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nExec=%2\n%3")
        .arg(name, exec, extra)
        .toUtf8();
}

int visibleWindows()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return int(std::count_if(windows.begin(), windows.end(),
                             [](const QWidget *window) { return window->isVisible(); }));
}

QListWidgetItem *itemNamed(QListWidget *list, const QString &name)
{
    const QList<QListWidgetItem *> items = list->findItems(name, Qt::MatchExactly);
    return items.size() == 1 ? items.first() : nullptr;
}

QStringList shownItems(const QListWidget *list)
{
    QStringList shown;
    for (int row = 0; row < list->count(); ++row)
        shown.append(list->item(row)->text());
    return shown;
}

// The chooser programs running for a file under the folder: process id and file.
QHash<qint64, QString> choosersRunningUnder(const QString &folder)
{
    QHash<qint64, QString> choosers;
    for (const QString &process : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile commandLine(QStringLiteral("/proc/%1/cmdline").arg(process));
        // Each argument ends in a null, which leaves an empty last word.
        const QList<QByteArray> words = commandLine.open(QIODevice::ReadOnly)
                                            ? commandLine.readAll().split('\0')
                                            : QList<QByteArray>();
        if (words.size() == 3 && words[0].endsWith("/brevanor-openwith")
            && QFile::decodeName(words[1]).startsWith(folder))
            choosers.insert(process.toLongLong(), QFile::decodeName(words[1]));
    }
    return choosers;
}

} // namespace

class TestFreedesktopShell : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void opensWithTheDefaultApplication_data();
    void opensWithTheDefaultApplication();
    void missingFileOpensNothing_data();
    void missingFileOpensNothing();
    void typeWithoutApplicationIsNoAssociation();
    void otherFailuresAreErrorCodes_data();
    void otherFailuresAreErrorCodes();
    void openWithShowsTheChooser_data();
    void openWithShowsTheChooser();
    void chooserOpensTheChosenApplication_data();
    void chooserOpensTheChosenApplication();
    void chooserCancelOpensNothing_data();
    void chooserCancelOpensNothing();
    void openWithWithoutFileShowsNothing();
    void startsCommandLineWithoutShell_data();
    void startsCommandLineWithoutShell();
    void unstartableCommandLineThrows_data();
    void unstartableCommandLineThrows();
    void paperOpensFromTheList();

private:
    QString inDocuments(const QString &name) const { return m_documents + QLatin1Char('/') + name; }
    bool makeDocument(const QString &name) { return writeFile(inDocuments(name), "%PDF-1.4\n"); }
    QList<QStringList> recordedStarts() const;
    void waitForStarts(const QList<QStringList> &awaited) const;
    QList<QStringList> startsBeforeSentinel(const QList<QStringList> &awaited = {});
    OpenWithDialog *openChooserFor(const QString &name);
    QHash<qint64, QString> choosersRunning() const
    {
        return choosersRunningUnder(QFileInfo(m_records).path());
    }

    QTemporaryDir m_root;
    QString m_recorder;
    QString m_launcher;
    QString m_records;
    QString m_documents;
    std::unique_ptr<documents::Shell> m_shell;
    QList<QPointer<OpenWithDialog>> m_choosers;
    int m_testNumber = 0;
};

void TestFreedesktopShell::initTestCase()
{
    QVERIFY(m_root.isValid());
    const QString root = QDir(m_root.path()).canonicalPath();
    m_recorder = root + QStringLiteral("/recorder.sh");
    m_records = root + QStringLiteral("/records");
    QVERIFY(QDir().mkpath(m_records));
    const QFile::Permissions executable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    QVERIFY(writeFile(m_recorder, QString::fromLatin1(recorderScript).arg(m_records).toUtf8(),
                      executable));
    // GIO starts every application through this launcher, which the test can
    // take away.
    m_launcher = root + QStringLiteral("/launcher.sh");
    QVERIFY(writeFile(m_launcher, "#!/bin/sh\nexec \"$@\"\n", executable));
    // Executable, but its interpreter is missing.
    QVERIFY(
        writeFile(root + QStringLiteral("/broken.sh"), "#!/nonexistent/interpreter\n", executable));

    const QString applications = root + QStringLiteral("/data/applications/");
    QVERIFY(writeFile(applications + QStringLiteral("recorder.desktop"),
                      desktopEntry(QStringLiteral("Recorder"), m_recorder + QStringLiteral(" %f"),
                                   QStringLiteral("MimeType=application/pdf;\n"))));
    QVERIFY(writeFile(applications + QStringLiteral("another.desktop"),
                      desktopEntry(QStringLiteral("Another"), m_recorder + QStringLiteral(" %f"),
                                   QStringLiteral("MimeType=text/csv;\n"))));
    QVERIFY(writeFile(applications + QStringLiteral("hidden.desktop"),
                      desktopEntry(QStringLiteral("Hidden"), m_recorder + QStringLiteral(" %f"),
                                   QStringLiteral("NoDisplay=true\n"))));
    // The index of MimeType lines that the desktop's packaging keeps up to date.
    QVERIFY(
        writeFile(applications + QStringLiteral("mimeinfo.cache"),
                  "[MIME Cache]\napplication/pdf=recorder.desktop;\ntext/csv=another.desktop;\n"));
    QVERIFY(writeFile(root + QStringLiteral("/config/mimeapps.list"),
                      "[Default Applications]\napplication/pdf=recorder.desktop\n"));
    // The system's mime database, for the content types, but none of its
    // applications.
    QVERIFY(QDir().mkpath(root + QStringLiteral("/system")));
    QVERIFY(QFile::link(QStringLiteral("/usr/share/mime"), root + QStringLiteral("/system/mime")));

    qputenv("HOME", QFile::encodeName(root));
    qputenv("XDG_DATA_HOME", QFile::encodeName(root + QStringLiteral("/data")));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(root + QStringLiteral("/system")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root + QStringLiteral("/config")));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(root + QStringLiteral("/config")));
    qputenv("GIO_LAUNCH_DESKTOP", QFile::encodeName(m_launcher));
    qunsetenv("XDG_CURRENT_DESKTOP");

    m_shell = documents::createPlatformShell();
}

void TestFreedesktopShell::init()
{
    for (const QString &record : QDir(m_records).entryList(QDir::Files))
        QFile::remove(m_records + QLatin1Char('/') + record);
    // A fresh current directory each time, as the program's documents live.
    m_documents =
        QDir(m_root.path()).canonicalPath() + QStringLiteral("/documents%1").arg(++m_testNumber);
    QVERIFY(QDir().mkpath(m_documents));
    QVERIFY(QDir::setCurrent(m_documents));
}

void TestFreedesktopShell::cleanup()
{
    for (const QPointer<OpenWithDialog> &chooser : std::as_const(m_choosers))
        delete chooser;
    m_choosers.clear();
    for (const qint64 process : choosersRunning().keys())
        ::kill(pid_t(process), SIGTERM);
}

QList<QStringList> TestFreedesktopShell::recordedStarts() const
{
    QList<QStringList> starts;
    const QDir records(m_records);
    for (const QString &name : records.entryList({QStringLiteral("[0-9]*")}, QDir::Files)) {
        if (name.endsWith(QLatin1String(".part")))
            continue;
        QFile record(records.filePath(name));
        if (!record.open(QIODevice::ReadOnly))
            continue;
        QStringList arguments = QString::fromUtf8(record.readAll()).split(QLatin1Char('\n'));
        arguments.removeLast(); // after the final line break
        starts.append(arguments);
    }
    return starts;
}

void TestFreedesktopShell::waitForStarts(const QList<QStringList> &awaited) const
{
    const auto arrived = [this, &awaited] {
        const QList<QStringList> starts = recordedStarts();
        return std::all_of(awaited.begin(), awaited.end(),
                           [&starts](const QStringList &start) { return starts.contains(start); });
    };
    QDeadlineTimer deadline(launchTimeout);
    while (!arrived() && !deadline.hasExpired())
        QTest::qWait(50);
}

// Waits for the awaited starts, then opens a sentinel document the way the
// test's own are opened and returns the starts recorded by the time it
// arrives, besides its own, in sorted order. A start that should not have
// happened has most likely been recorded by then.
QList<QStringList> TestFreedesktopShell::startsBeforeSentinel(const QList<QStringList> &awaited)
{
    waitForStarts(awaited);
    const QStringList sentinel{inDocuments(sentinelName)};
    if (!makeDocument(sentinelName)
        || m_shell->execute(QStringLiteral("open"), sentinelName, std::nullopt, std::nullopt,
                            documents::showNormal)
               <= documents::lastErrorCode)
        return {{QStringLiteral("the sentinel did not open")}};
    waitForStarts({sentinel});
    QList<QStringList> starts = recordedStarts();
    const qsizetype arrivals = starts.removeAll(sentinel);
    if (arrivals != 1)
        return {{QStringLiteral("the sentinel arrived %1 times").arg(arrivals)}};
    std::sort(starts.begin(), starts.end());
    return starts;
}

OpenWithDialog *TestFreedesktopShell::openChooserFor(const QString &name)
{
    auto *chooser = new OpenWithDialog(inDocuments(name));
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    m_choosers.append(chooser);
    chooser->show();
    return QTest::qWaitForWindowExposed(chooser) ? chooser : nullptr;
}

void TestFreedesktopShell::opensWithTheDefaultApplication_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("catalogue name") << QStringLiteral("135.pdf");
    QTest::newRow("blanks") << QStringLiteral("two  blanks .pdf");
    QTest::newRow("quotes") << QStringLiteral("say \"hi\" it's.pdf");
    QTest::newRow("semicolon") << QStringLiteral("a;touch pwned;.pdf");
    QTest::newRow("command substitution") << QStringLiteral("$(touch pwned).pdf");
    QTest::newRow("backquotes") << QStringLiteral("`touch pwned`.pdf");
    QTest::newRow("backslash") << QStringLiteral("back\\slash.pdf");
    QTest::newRow("leading dash") << QStringLiteral("--help.pdf");
    QTest::newRow("field code") << QStringLiteral("100% %f %u.pdf");
    QTest::newRow("non-ASCII") << QStringLiteral("Ærø Ünïcødé ĳ €.pdf");
    QTest::newRow("in a subdirectory") << QStringLiteral("sub dir/135.pdf");
}

void TestFreedesktopShell::opensWithTheDefaultApplication()
{
    QFETCH(QString, name);
    QVERIFY(makeDocument(name));

    const int code = m_shell->execute(QStringLiteral("open"), name, std::nullopt, std::nullopt,
                                      documents::showNormal);

    QVERIFY2(code > documents::lastErrorCode, qPrintable(QString::number(code)));
    const QList<QStringList> expected{{inDocuments(name)}};
    QCOMPARE(startsBeforeSentinel(expected), expected);
    QVERIFY(!QFile::exists(inDocuments(QStringLiteral("pwned"))));
    QVERIFY(choosersRunning().isEmpty());
}

void TestFreedesktopShell::missingFileOpensNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing") << QStringLiteral("136.pdf");
    QTest::newRow("missing, type without application") << QStringLiteral("136.doc");
    QTest::newRow("empty name") << QString();
}

void TestFreedesktopShell::missingFileOpensNothing()
{
    QFETCH(QString, name);
    QVERIFY(makeDocument(QStringLiteral("135.pdf")));
    const int windowsBefore = visibleWindows();

    const int code = m_shell->execute(QStringLiteral("open"), name, std::nullopt, std::nullopt,
                                      documents::showNormal);

    QCOMPARE(code, int(documents::fileNotFound));
    QCOMPARE(visibleWindows(), windowsBefore);
    QCOMPARE(startsBeforeSentinel(), QList<QStringList>());
}

void TestFreedesktopShell::typeWithoutApplicationIsNoAssociation()
{
    QVERIFY(makeDocument(QStringLiteral("2.doc")));
    const int windowsBefore = visibleWindows();

    const int code = m_shell->execute(QStringLiteral("open"), QStringLiteral("2.doc"), std::nullopt,
                                      std::nullopt, documents::showNormal);

    QCOMPARE(code, int(documents::noAssociation));
    // The chooser is the caller's to ask for.
    QCOMPARE(visibleWindows(), windowsBefore);
}

void TestFreedesktopShell::otherFailuresAreErrorCodes_data()
{
    QTest::addColumn<QString>("verb");
    QTest::addColumn<bool>("launcherBroken");
    QTest::newRow("verb other than open") << QStringLiteral("print") << false;
    QTest::newRow("application cannot start") << QStringLiteral("open") << true;
}

void TestFreedesktopShell::otherFailuresAreErrorCodes()
{
    QFETCH(QString, verb);
    QFETCH(bool, launcherBroken);
    QVERIFY(makeDocument(QStringLiteral("135.pdf")));
    QFile launcher(m_launcher);
    const QFile::Permissions permissions = launcher.permissions();
    if (launcherBroken)
        QVERIFY(launcher.setPermissions(QFile::ReadOwner | QFile::WriteOwner));

    const int code = m_shell->execute(verb, QStringLiteral("135.pdf"), std::nullopt, std::nullopt,
                                      documents::showNormal);
    QVERIFY(launcher.setPermissions(permissions));

    QVERIFY2(code <= documents::lastErrorCode, qPrintable(QString::number(code)));
    // Neither may send the caller to the chooser.
    QVERIFY(code != documents::noAssociation);
    QCOMPARE(startsBeforeSentinel(), QList<QStringList>());
}

void TestFreedesktopShell::openWithShowsTheChooser_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("recommended");
    QTest::addColumn<QString>("type");
    QTest::newRow("type without application") << "2.doc" << false << "application/msword";
    QTest::newRow("type of the recorder") << "135.pdf" << true << "application/pdf";
    QTest::newRow("missing file") << "136.pdf" << true << "application/pdf";
}

void TestFreedesktopShell::openWithShowsTheChooser()
{
    QFETCH(QString, name);
    QFETCH(bool, recommended);
    QFETCH(QString, type);
    if (name != QLatin1String("136.pdf"))
        QVERIFY(makeDocument(name));

    OpenWithDialog *chooser = openChooserFor(name);

    QVERIFY(chooser);
    QCOMPARE(chooser->windowTitle(), QStringLiteral("Open With"));
    QCOMPARE(chooser->file(), inDocuments(name));
    QVERIFY(chooser->findChild<QLabel *>(QStringLiteral("fileLabel"))->text().contains(name));
    QVERIFY(chooser->findChild<QLabel *>(QStringLiteral("typeLabel"))->text().contains(type));
    auto *list = chooser->findChild<QListWidget *>(QStringLiteral("applications"));
    QVERIFY(list);
    QListWidgetItem *recorder = itemNamed(list, QStringLiteral("Recorder"));
    QVERIFY2(recorder, "the recorder is listed exactly once");
    QCOMPARE(list->row(recorder) == 0, recommended);
    QVERIFY(itemNamed(list, QStringLiteral("Another")));
    QVERIFY(list->findItems(QStringLiteral("Hidden"), Qt::MatchExactly).isEmpty());
    QCOMPARE(startsBeforeSentinel(), QList<QStringList>());
}

void TestFreedesktopShell::chooserOpensTheChosenApplication_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("alwaysUse");
    QTest::addColumn<bool>("launcherBroken");
    const QString doc = QStringLiteral("it's a \"$(touch pwned)\" paper.doc");
    QTest::newRow("Open button") << "button" << doc << false << false;
    QTest::newRow("double click") << "double click" << doc << false << false;
    QTest::newRow("Enter in the list") << "enter" << doc << false << false;
    QTest::newRow("typed, then Enter") << "typed" << doc << false << false;
    QTest::newRow("always use it") << "button"
                                   << "a \"$(touch pwned)\" note.rtf" << true << false;
    QTest::newRow("launch fails") << "button" << doc << false << true;
}

void TestFreedesktopShell::chooserOpensTheChosenApplication()
{
    QFETCH(QString, how);
    QFETCH(QString, name);
    QFETCH(bool, alwaysUse);
    QFETCH(bool, launcherBroken);
    QVERIFY(makeDocument(name));
    QPointer<OpenWithDialog> chooser = openChooserFor(name);
    QVERIFY(chooser);
    auto *list = chooser->findChild<QListWidget *>(QStringLiteral("applications"));
    QListWidgetItem *recorder = itemNamed(list, QStringLiteral("Recorder"));
    QVERIFY(recorder);
    QFile launcher(m_launcher);
    const QFile::Permissions permissions = launcher.permissions();
    if (launcherBroken)
        QVERIFY(launcher.setPermissions(QFile::ReadOwner | QFile::WriteOwner));

    chooser->findChild<QCheckBox *>(QStringLiteral("alwaysUse"))->setChecked(alwaysUse);
    if (how == QLatin1String("typed")) {
        // Enter opens the first application left in the list.
        auto *filter = chooser->findChild<QLineEdit *>(QStringLiteral("filter"));
        QTest::keyClicks(filter, QStringLiteral("rEc"));
        QCOMPARE(shownItems(list), QStringList{QStringLiteral("Recorder")});
        QTest::keyClick(filter, Qt::Key_Return);
    } else if (how == QLatin1String("button")) {
        list->setCurrentItem(recorder);
        auto *buttons = chooser->findChild<QDialogButtonBox *>(QStringLiteral("buttons"));
        QTest::mouseClick(buttons->button(QDialogButtonBox::Open), Qt::LeftButton);
    } else if (how == QLatin1String("double click")) {
        WindowDriver::doubleClick(list->viewport(), list->visualItemRect(recorder).center());
    } else {
        list->setCurrentItem(recorder);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Return);
    }

    if (launcherBroken) {
        // Told in the chooser's own window, which stays for another choice.
        QTRY_VERIFY(chooser->findChild<QMessageBox *>(QStringLiteral("failure")));
        QVERIFY(launcher.setPermissions(permissions));
        QVERIFY(chooser->findChild<QMessageBox *>()->text().contains(QStringLiteral("Recorder")));
        QVERIFY(chooser->isVisible());
        QCOMPARE(startsBeforeSentinel(), QList<QStringList>());
        return;
    }
    QTRY_VERIFY_WITH_TIMEOUT(!chooser, launchTimeout);
    // Only the checked box makes the choice the type's default, which opens it again.
    const int code = m_shell->execute(QStringLiteral("open"), name, std::nullopt, std::nullopt,
                                      documents::showNormal);
    QCOMPARE(code > documents::lastErrorCode, alwaysUse);
    const QList<QStringList> expected(alwaysUse ? 2 : 1, {inDocuments(name)});
    QCOMPARE(startsBeforeSentinel(expected), expected);
    QVERIFY(!QFile::exists(inDocuments(QStringLiteral("pwned"))));
}

void TestFreedesktopShell::chooserCancelOpensNothing_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Cancel button") << false;
    QTest::newRow("Escape") << true;
}

void TestFreedesktopShell::chooserCancelOpensNothing()
{
    QFETCH(bool, escape);
    QVERIFY(makeDocument(QStringLiteral("2.doc")));
    QPointer<OpenWithDialog> chooser = openChooserFor(QStringLiteral("2.doc"));
    QVERIFY(chooser);
    auto *list = chooser->findChild<QListWidget *>(QStringLiteral("applications"));
    list->setCurrentItem(itemNamed(list, QStringLiteral("Recorder")));

    auto *buttons = chooser->findChild<QDialogButtonBox *>(QStringLiteral("buttons"));
    if (escape)
        QTest::keyClick(list, Qt::Key_Escape);
    else
        QTest::mouseClick(buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!chooser, launchTimeout);
    QCOMPARE(startsBeforeSentinel(), QList<QStringList>());
}

void TestFreedesktopShell::openWithWithoutFileShowsNothing()
{
    m_shell->startCommandLine(documents::openWithCommand, documents::showNormal);
    QVERIFY(choosersRunning().isEmpty());
}

void TestFreedesktopShell::startsCommandLineWithoutShell_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("plain words") << QStringLiteral("a b") << QStringList{"a", "b"};
    QTest::newRow("quoted blanks")
        << QStringLiteral("\"two words\" x") << QStringList{"two words", "x"};
    QTest::newRow("shell syntax") << QStringLiteral("; \"$(touch pwned)\" `touch pwned` | -x")
                                  << QStringList{";", "$(touch pwned)", "`touch", "pwned`", "|",
                                                 "-x"};
}

void TestFreedesktopShell::startsCommandLineWithoutShell()
{
    QFETCH(QString, arguments);
    QFETCH(QStringList, expected);

    m_shell->startCommandLine(m_recorder + QLatin1Char(' ') + arguments, documents::showNormal);

    QCOMPARE(startsBeforeSentinel({expected}), QList<QStringList>{expected});
    QVERIFY(!QFile::exists(inDocuments(QStringLiteral("pwned"))));
    QVERIFY(choosersRunning().isEmpty());
}

void TestFreedesktopShell::unstartableCommandLineThrows_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::newRow("no such program") << QStringLiteral("/nonexistent/brevanor-helper 135.pdf");
    QTest::newRow("missing interpreter")
        << QDir(m_root.path()).filePath(QStringLiteral("broken.sh"));
    QTest::newRow("empty") << QString();
}

void TestFreedesktopShell::unstartableCommandLineThrows()
{
    QFETCH(QString, commandLine);
    try {
        m_shell->startCommandLine(commandLine, documents::showNormal);
        QFAIL("no error for a command line that cannot start");
    } catch (const errors::RuntimeError &error) {
        QCOMPARE(error.number(), 53);
        QCOMPARE(QString::fromStdString(error.what()), QStringLiteral("File not found"));
    }
}

// Through the real window: a ".pdf" row opens in its application, a ".doc"
// row (no application here) starts the chooser for its file, as a process of
// its own that outlives the window.
void TestFreedesktopShell::paperOpensFromTheList()
{
    auto driver = std::make_unique<WindowDriver>(*m_shell);
    QVERIFY(driver->showWindow());
    resultlist::ReportList *list = driver->list();
    const auto rowWhoseFileEndsIn = [list](const char *extension) {
        for (int i = 0; i < list->itemCount(); ++i) {
            if (list->cellText(i, 0).endsWith(QLatin1String(extension)))
                return i;
        }
        return -1;
    };
    const auto openRow = [&driver](int position) {
        driver->clickRow(position);
        QTest::keyClick(driver->list(), Qt::Key_Return);
    };

    const int pdfRow = rowWhoseFileEndsIn(".pdf");
    QVERIFY(pdfRow >= 0);
    const QString pdf = list->cellText(pdfRow, 0);
    QVERIFY(makeDocument(pdf));
    openRow(pdfRow);
    const QList<QStringList> expected{{inDocuments(pdf)}};
    QCOMPARE(startsBeforeSentinel(expected), expected);

    const int docRow = rowWhoseFileEndsIn(".doc");
    const QString doc = list->cellText(docRow, 0);
    QVERIFY(writeFile(inDocuments(doc), "a document\n"));
    openRow(docRow);
    driver.reset();
    QCOMPARE(choosersRunning().values(), QStringList{inDocuments(doc)});
}

QTEST_MAIN(TestFreedesktopShell)
#include "tst_freedesktopshell.moc"
