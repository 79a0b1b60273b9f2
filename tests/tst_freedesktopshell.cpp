// SPDX-License-Identifier: GPL-3.0-or-later
// The Linux shell for real: GIO, a desktop of our own with a handler
// application that records how it was started, the Open With chooser, and a
// file manager of our own on the test's private session bus.
#include "documents/openwithdialog.h"
#include "documents/paperopener.h"
#include "documents/shell.h"
#include "errors/runtimeerror.h"
#include "support/windowdriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMutex>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <utility>

#include <signal.h>
#include <unistd.h>

using documents::OpenWithDialog;

namespace {

constexpr int launchTimeout = 10000;
const QString sentinelName = QStringLiteral("sentinel.pdf");
const QFile::Permissions executable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

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

QListWidgetItem *itemNamed(QListWidget *list, const QString &name)
{
    const QList<QListWidgetItem *> items = list->findItems(name, Qt::MatchExactly);
    return items.size() == 1 ? items.first() : nullptr;
}

// A file manager on the bus, answered in a thread of its own while the shell
// waits for it: it records the items it is asked to show, or fails.
class FileManagerStandIn : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    QStringList takeShown()
    {
        const QMutexLocker lock(&m_mutex);
        return std::exchange(m_shown, {});
    }
    bool fails = false;

public slots:
    void ShowItems(const QStringList &uris, const QString & /*startupId*/)
    {
        const QMutexLocker lock(&m_mutex);
        m_shown += uris;
        if (fails)
            sendErrorReply(QDBusError::Failed, QStringLiteral("cannot show"));
    }

private:
    QMutex m_mutex;
    QStringList m_shown;
};

} // namespace

class TestFreedesktopShell : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void opensWithTheDefaultApplicationOrNothing_data();
    void opensWithTheDefaultApplicationOrNothing();
    void chooserShowsAndOpens_data();
    void chooserShowsAndOpens();
    void startsCommandLineWithoutShell_data();
    void startsCommandLineWithoutShell();
    void showsInFolder_data();
    void showsInFolder();
    void paperOpensFromTheList();

private:
    QString inDocuments(const QString &name) const { return m_documents + QLatin1Char('/') + name; }
    bool makeDocument(const QString &name) { return writeFile(inDocuments(name), "%PDF-1.4\n"); }
    int execute(const QString &name, const QString &verb = QStringLiteral("open"))
    {
        return m_shell->execute(verb, name, std::nullopt, std::nullopt, facts::showNormal);
    }
    // GIO starts every application through the launcher, which a test can break.
    bool setLauncherWorks(bool works) const
    {
        return QFile::setPermissions(m_launcher,
                                     works ? executable : QFile::ReadOwner | QFile::WriteOwner);
    }
    QList<QStringList> recordedStarts() const;
    void expectStarts(QList<QStringList> expected);
    OpenWithDialog *openChooserFor(const QString &name);
    QHash<qint64, QString> choosersRunning() const;

    QTemporaryDir m_root;
    QString m_home;
    QString m_recorder;
    QString m_launcher;
    QString m_records;
    QString m_documents;
    std::unique_ptr<documents::Shell> m_shell;
    QThread m_fileManagerThread;
    FileManagerStandIn *m_fileManager = new FileManagerStandIn;
    QPointer<OpenWithDialog> m_chooser;
    int m_testNumber = 0;
};

void TestFreedesktopShell::initTestCase()
{
    QVERIFY(m_root.isValid());
    m_home = QDir(m_root.path()).canonicalPath();
    m_recorder = m_home + QStringLiteral("/recorder.sh");
    m_records = m_home + QStringLiteral("/records");
    m_launcher = m_home + QStringLiteral("/launcher.sh");
    QVERIFY(writeFile(m_recorder, QString::fromLatin1(recorderScript).arg(m_records).toUtf8(),
                      executable));
    QVERIFY(writeFile(m_launcher, "#!/bin/sh\nexec \"$@\"\n", executable));
    // Executable, but its interpreter is missing.
    QVERIFY(writeFile(m_home + QStringLiteral("/broken.sh"), "#!/nonexistent/interpreter\n",
                      executable));

    // Three applications, all the recorder: the default for PDF, one for CSV
    // and one that no list shows.
    const QString applications = m_home + QStringLiteral("/data/applications/");
    const QList<QStringList> entries{{"recorder", "Recorder", "MimeType=application/pdf;"},
                                     {"another", "Another", "MimeType=text/csv;"},
                                     {"hidden", "Hidden", "NoDisplay=true"},
                                     {"folders", "Folders", "MimeType=inode/directory;"}};
    for (const QStringList &entry : entries) {
        QVERIFY(
            writeFile(applications + entry[0] + QStringLiteral(".desktop"),
                      QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nExec=%2 %f\n%3\n")
                          .arg(entry[1], m_recorder, entry[2])
                          .toUtf8()));
    }
    // The index of MimeType lines that the desktop's packaging keeps up to date.
    QVERIFY(writeFile(applications + QStringLiteral("mimeinfo.cache"),
                      "[MIME Cache]\napplication/pdf=recorder.desktop;\ntext/csv=another.desktop;\n"
                      "inode/directory=folders.desktop;\n"));
    QVERIFY(writeFile(m_home + QStringLiteral("/config/mimeapps.list"),
                      "[Default Applications]\napplication/pdf=recorder.desktop\n"
                      "inode/directory=folders.desktop\n"));
    // The system's mime database, for the content types, but none of its
    // applications.
    QVERIFY(QDir().mkpath(m_home + QStringLiteral("/system")));
    QVERIFY(
        QFile::link(QStringLiteral("/usr/share/mime"), m_home + QStringLiteral("/system/mime")));

    qputenv("HOME", QFile::encodeName(m_home));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home + QStringLiteral("/data")));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(m_home + QStringLiteral("/system")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home + QStringLiteral("/config")));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(m_home + QStringLiteral("/config")));
    qputenv("GIO_LAUNCH_DESKTOP", QFile::encodeName(m_launcher));
    qunsetenv("XDG_CURRENT_DESKTOP");

    m_shell = documents::createPlatformShell();

    // The file manager's own connection, whose calls its thread answers.
    m_fileManager->moveToThread(&m_fileManagerThread);
    connect(&m_fileManagerThread, &QThread::finished, m_fileManager, &QObject::deleteLater);
    m_fileManagerThread.start();
    QVERIFY(QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("manager"))
                .registerObject(QStringLiteral("/org/freedesktop/FileManager1"), m_fileManager,
                                QDBusConnection::ExportAllSlots));
}

void TestFreedesktopShell::init()
{
    QVERIFY(QDir(m_records).removeRecursively() && QDir().mkpath(m_records));
    // A fresh current directory each time, as the program's documents live.
    m_documents = m_home + QStringLiteral("/documents%1").arg(++m_testNumber);
    QVERIFY(QDir().mkpath(m_documents));
    QVERIFY(QDir::setCurrent(m_documents));
}

void TestFreedesktopShell::cleanupTestCase()
{
    m_fileManagerThread.quit();
    m_fileManagerThread.wait();
}

void TestFreedesktopShell::cleanup()
{
    delete m_chooser;
    for (const qint64 process : choosersRunning().keys())
        ::kill(pid_t(process), SIGTERM);
}

// Each start's arguments, in sorted order; a record is complete once named
// by its process id alone.
QList<QStringList> TestFreedesktopShell::recordedStarts() const
{
    QList<QStringList> starts;
    const QDir records(m_records);
    for (const QString &name : records.entryList({QStringLiteral("*[0-9]")}, QDir::Files)) {
        QFile record(records.filePath(name));
        if (record.open(QIODevice::ReadOnly))
            starts.append(QString::fromUtf8(record.readAll()).chopped(1).split(QLatin1Char('\n')));
    }
    std::sort(starts.begin(), starts.end());
    return starts;
}

// Expects exactly these starts, and neither a chooser process nor the file
// that a shell would make of a name. Once as many have arrived, it opens a
// sentinel document the way the test's own are opened: a start that should
// not have happened has most likely been recorded by the time it arrives.
void TestFreedesktopShell::expectStarts(QList<QStringList> expected)
{
    QTRY_VERIFY_WITH_TIMEOUT(recordedStarts().size() >= expected.size(), launchTimeout);
    QVERIFY(makeDocument(sentinelName));
    QVERIFY2(execute(sentinelName) > facts::lastErrorCode, "the sentinel did not open");
    expected.append({inDocuments(sentinelName)});
    std::sort(expected.begin(), expected.end());
    QTRY_COMPARE_WITH_TIMEOUT(recordedStarts(), expected, launchTimeout);
    QVERIFY(choosersRunning().isEmpty());
    QVERIFY(!QFile::exists(inDocuments(QStringLiteral("pwned"))));
}

OpenWithDialog *TestFreedesktopShell::openChooserFor(const QString &name)
{
    m_chooser = new OpenWithDialog(inDocuments(name));
    m_chooser->setAttribute(Qt::WA_DeleteOnClose);
    m_chooser->show();
    return QTest::qWaitForWindowExposed(m_chooser) ? m_chooser.data() : nullptr;
}

// The chooser programs running for a file of this test's: process id and file.
QHash<qint64, QString> TestFreedesktopShell::choosersRunning() const
{
    QHash<qint64, QString> choosers;
    for (const QString &process : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile commandLine(QStringLiteral("/proc/%1/cmdline").arg(process));
        // Each argument ends in a null, which leaves an empty last word.
        const QList<QByteArray> words = commandLine.open(QIODevice::ReadOnly)
                                            ? commandLine.readAll().split('\0')
                                            : QList<QByteArray>();
        if (words.size() == 3 && words[0].endsWith("/brevanor-openwith")
            && QFile::decodeName(words[1]).startsWith(m_home))
            choosers.insert(process.toLongLong(), QFile::decodeName(words[1]));
    }
    return choosers;
}

void TestFreedesktopShell::opensWithTheDefaultApplicationOrNothing_data()
{
    QTest::addColumn<QString>("verb");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("launcherBroken");
    QTest::addColumn<int>("code"); // -1 for opened, 0 for any failure
    const QString open = QStringLiteral("open");
    const auto opens = [&](const char *row, const QString &name) {
        QTest::newRow(row) << open << name << false << -1;
    };
    opens("catalogue name", QStringLiteral("135.pdf"));
    opens("blanks", QStringLiteral("two  blanks .pdf"));
    opens("quotes", QStringLiteral("say \"hi\" it's.pdf"));
    opens("semicolon", QStringLiteral("a;touch pwned;.pdf"));
    opens("command substitution", QStringLiteral("$(touch pwned).pdf"));
    opens("backquotes", QStringLiteral("`touch pwned`.pdf"));
    opens("backslash", QStringLiteral("back\\slash.pdf"));
    opens("leading dash", QStringLiteral("--help.pdf"));
    opens("field code", QStringLiteral("100% %f %u.pdf"));
    opens("non-ASCII", QStringLiteral("Ærø Ünïcødé ĳ €.pdf"));
    opens("in a subdirectory", QStringLiteral("sub dir/135.pdf"));
    // Failures open nothing.
    const int missing = facts::fileNotFound;
    QTest::newRow("missing") << open << "136.pdf" << false << missing;
    QTest::newRow("missing, type without application") << open << "136.doc" << false << missing;
    QTest::newRow("empty name") << open << QString() << false << missing;
    // The chooser is the caller's to ask for.
    QTest::newRow("type without application") << open << "2.doc" << false << facts::noAssociation;
    QTest::newRow("verb other than open") << QStringLiteral("print") << "135.pdf" << false << 0;
    QTest::newRow("application cannot start") << open << "135.pdf" << true << 0;
}

void TestFreedesktopShell::opensWithTheDefaultApplicationOrNothing()
{
    QFETCH(QString, verb);
    QFETCH(QString, name);
    QFETCH(bool, launcherBroken);
    QFETCH(int, code);
    const bool opens = code < 0;
    QVERIFY(makeDocument(opens ? name : QStringLiteral("135.pdf"))
            && makeDocument(QStringLiteral("2.doc")));
    QVERIFY(setLauncherWorks(!launcherBroken));

    const int answer = execute(name, verb);
    QVERIFY(setLauncherWorks(true));

    if (opens)
        QVERIFY2(answer > facts::lastErrorCode, qPrintable(QString::number(answer)));
    else if (code)
        QCOMPARE(answer, code);
    else // not one that sends the caller to the chooser
        QVERIFY2(answer <= facts::lastErrorCode && answer != facts::noAssociation,
                 qPrintable(QString::number(answer)));
    const QWidgetList windows = QApplication::topLevelWidgets();
    QVERIFY(std::none_of(windows.begin(), windows.end(), std::mem_fn(&QWidget::isVisible)));
    expectStarts(opens ? QList<QStringList>{{inDocuments(name)}} : QList<QStringList>());
}

void TestFreedesktopShell::chooserShowsAndOpens_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("type");
    QTest::addColumn<bool>("alwaysUse");
    QTest::addColumn<bool>("launcherBroken");
    QTest::addColumn<int>("starts"); // of the document
    const QString doc = QStringLiteral("it's a \"$(touch pwned)\" paper.doc");
    const QString word = QStringLiteral("application/msword");
    const QString pdf = QStringLiteral("application/pdf");
    QTest::newRow("Open button") << "Open" << doc << word << false << false << 1;
    QTest::newRow("double click") << "double click" << doc << word << false << false << 1;
    QTest::newRow("Enter in the list") << "Return" << doc << word << false << false << 1;
    QTest::newRow("typed, then Enter") << "typed" << doc << word << false << false << 1;
    // The default opens it a second time.
    const QString note = QStringLiteral("a \"$(touch pwned)\" note.rtf");
    QTest::newRow("always use it") << "Open" << note << "application/rtf" << true << false << 2;
    QTest::newRow("launch fails") << "Open" << doc << word << false << true << 0;
    // Told in plain words, and opened this once.
    QTest::newRow("always use it, not saved") << "unsaved" << doc << word << true << false << 1;
    QTest::newRow("Cancel button") << "Cancel" << doc << word << false << false << 0;
    QTest::newRow("Escape") << "Escape" << doc << word << false << false << 0;
    // Opened by the chooser, then by the type's default.
    QTest::newRow("type of the recorder") << "Open"
                                          << "135.pdf" << pdf << false << false << 2;
    QTest::newRow("missing file") << "Cancel"
                                  << "136.pdf" << pdf << false << false << 0;
}

void TestFreedesktopShell::chooserShowsAndOpens()
{
    QFETCH(QString, how);
    QFETCH(QString, name);
    QFETCH(QString, type);
    QFETCH(bool, alwaysUse);
    QFETCH(bool, launcherBroken);
    QFETCH(int, starts);
    if (name != QLatin1String("136.pdf"))
        QVERIFY(makeDocument(name));
    QPointer<OpenWithDialog> chooser = openChooserFor(name);
    QVERIFY(chooser);
    QCOMPARE(chooser->windowTitle(), QStringLiteral("Open With"));
    QCOMPARE(chooser->file(), inDocuments(name));
    QVERIFY(chooser->findChild<QLabel *>(QStringLiteral("fileLabel"))->text().contains(name));
    QVERIFY(chooser->findChild<QLabel *>(QStringLiteral("typeLabel"))->text().contains(type));
    auto *list = chooser->findChild<QListWidget *>(QStringLiteral("applications"));
    QVERIFY(list);
    QListWidgetItem *recorder = itemNamed(list, QStringLiteral("Recorder"));
    QVERIFY2(recorder, "the recorder is listed exactly once");
    // First under its heading, as recommended, and chosen as the default, for
    // its own type alone.
    const bool pdf = type == QLatin1String("application/pdf");
    QCOMPARE(list->item(0)->text(), pdf ? "Recommended Applications" : "Other Applications");
    QCOMPARE(list->row(recorder) == 1 && list->currentItem() == recorder, pdf);
    QVERIFY(itemNamed(list, QStringLiteral("Another")));
    QVERIFY(list->findItems(QStringLiteral("Hidden"), Qt::MatchExactly).isEmpty());
    QVERIFY(setLauncherWorks(!launcherBroken));

    chooser->findChild<QCheckBox *>(QStringLiteral("alwaysUse"))->setChecked(alwaysUse);
    auto *buttons = chooser->findChild<QDialogButtonBox *>(QStringLiteral("buttons"));
    if (how == QLatin1String("typed")) {
        // Enter opens the first application left in the list.
        auto *filter = chooser->findChild<QLineEdit *>(QStringLiteral("filter"));
        QTest::keyClicks(filter, QStringLiteral("rEc"));
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(1)->text(), QStringLiteral("Recorder"));
        QTest::keyClick(filter, Qt::Key_Return);
    } else if (how == QLatin1String("double click")) {
        WindowDriver::doubleClick(list->viewport(), list->visualItemRect(recorder).center());
    } else if (how == QLatin1String("Open") || how == QLatin1String("Cancel")) {
        list->setCurrentItem(recorder);
        QTest::mouseClick(buttons->button(how == QLatin1String("Open") ? QDialogButtonBox::Open
                                                                       : QDialogButtonBox::Cancel),
                          Qt::LeftButton);
    } else if (how == QLatin1String("unsaved")) {
        // The settings file cannot be replaced: a folder has its name.
        const QString settings = m_home + QStringLiteral("/config/mimeapps.list");
        QVERIFY(QFile::rename(settings, settings + ".kept") && QDir().mkdir(settings));
        list->setCurrentItem(recorder);
        buttons->button(QDialogButtonBox::Open)->click();
        QVERIFY(QDir().rmdir(settings) && QFile::rename(settings + ".kept", settings));
        auto *box = chooser->findChild<QMessageBox *>(QStringLiteral("failure"));
        QVERIFY(box && box->informativeText().contains("cannot be saved")
                && !box->informativeText().contains("mimeapps"));
        box->button(QMessageBox::Ok)->click();
    } else {
        list->setCurrentItem(recorder);
        list->setFocus();
        QTest::keyClick(list, how == QLatin1String("Return") ? Qt::Key_Return : Qt::Key_Escape);
    }

    if (launcherBroken) {
        // Told in the chooser's own window, which stays for another choice.
        QTRY_VERIFY(chooser && chooser->findChild<QMessageBox *>(QStringLiteral("failure")));
        QVERIFY(setLauncherWorks(true));
        const QMessageBox *box = chooser->findChild<QMessageBox *>();
        QVERIFY(box->text().contains(QStringLiteral("Recorder")));
        // GIO's reason, as a sentence.
        QVERIFY2(box->informativeText()[0].isUpper() && box->informativeText().endsWith('.'),
                 qPrintable(box->informativeText()));
        QVERIFY(chooser->isVisible());
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(!chooser, launchTimeout);
    }
    // Only the checked box makes the choice the default for a type without one.
    execute(name);
    expectStarts(QList<QStringList>(starts, {inDocuments(name)}));
}

void TestFreedesktopShell::startsCommandLineWithoutShell_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QList<QStringList>>("starts");
    QTest::addColumn<bool>("fails");
    const QString recorder = m_recorder + QLatin1Char(' ');
    const QList<QStringList> none;
    QTest::newRow("plain words") << recorder + "a b" << QList<QStringList>{{"a", "b"}} << false;
    QTest::newRow("quoted blanks")
        << recorder + "\"two words\" x" << QList<QStringList>{{"two words", "x"}} << false;
    QTest::newRow("shell syntax") << recorder + "; \"$(touch pwned)\" `touch pwned` | -x"
                                  << QList<QStringList>{{";", "$(touch pwned)", "`touch", "pwned`",
                                                         "|", "-x"}}
                                  << false;
    QTest::newRow("Open With without a file") << facts::openWithCommand << none << false;
    QTest::newRow("no such program") << "/nonexistent/brevanor-helper 135.pdf" << none << true;
    QTest::newRow("missing interpreter") << m_home + "/broken.sh" << none << true;
    QTest::newRow("empty") << QString() << none << true;
}

void TestFreedesktopShell::startsCommandLineWithoutShell()
{
    QFETCH(QString, commandLine);
    QFETCH(QList<QStringList>, starts);
    QFETCH(bool, fails);
    QString failure;
    try {
        m_shell->startCommandLine(commandLine, facts::showNormal);
    } catch (const errors::RuntimeError &error) {
        failure = QStringLiteral("%1 %2").arg(error.number()).arg(QString::fromUtf8(error.what()));
    }
    QCOMPARE(failure, fails ? QStringLiteral("53 File not found") : QString());
    expectStarts(starts);
}

void TestFreedesktopShell::showsInFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fileManager"); // "answers", "fails" or "none"
    QTest::addColumn<QString>("shown");       // the URI asked for, after the folder
    QTest::addColumn<int>("code");            // -1 for shown
    QTest::newRow("by the file manager") << "135.pdf"
                                         << "answers"
                                         << "/135.pdf" << -1;
    QTest::newRow("a name that URIs escape")
        << "sub dir/two  blanks #1 ü%.pdf"
        << "answers"
        << "/sub%20dir/two%20%20blanks%20%231%20%C3%BC%25.pdf" << -1;
    // The folder goes to the application for folders.
    QTest::newRow("no file manager") << "sub dir/135.pdf"
                                     << "none"
                                     << "" << -1;
    QTest::newRow("file manager fails") << "135.pdf"
                                        << "fails"
                                        << "/135.pdf" << -1;
    QTest::newRow("missing") << "136.pdf"
                             << "answers"
                             << "" << facts::fileNotFound;
    QTest::newRow("empty name") << ""
                                << "answers"
                                << "" << facts::fileNotFound;
}

void TestFreedesktopShell::showsInFolder()
{
    QFETCH(QString, name);
    QFETCH(QString, fileManager);
    QFETCH(QString, shown);
    QFETCH(int, code);
    if (code < 0)
        QVERIFY(makeDocument(name));
    QDBusConnection bus(QStringLiteral("manager"));
    const QString service = QStringLiteral("org.freedesktop.FileManager1");
    QVERIFY(fileManager == QLatin1String("none") ? bus.unregisterService(service)
                                                 : bus.registerService(service));
    m_fileManager->fails = fileManager == QLatin1String("fails");

    const int answer = m_shell->showInFolder(name);
    if (code < 0)
        QVERIFY2(answer > facts::lastErrorCode, qPrintable(QString::number(answer)));
    else
        QCOMPARE(answer, code);
    const QString folder = QFileInfo(inDocuments(name)).absolutePath();
    QCOMPARE(m_fileManager->takeShown(),
             shown.isEmpty() ? QStringList() : QStringList{"file://" + m_documents + shown});
    const bool opensFolder = code < 0 && fileManager != QLatin1String("answers");
    expectStarts(opensFolder ? QList<QStringList>{{folder}} : QList<QStringList>());
}

// Through the real window: a row whose document is missing says where it was
// looked for, and a folder chosen there that cannot be entered is told and
// changes nothing; a ".pdf" row opens in its application, a ".doc" row (no
// application here) starts the chooser for its file, as a process of its own
// that outlives the window.
void TestFreedesktopShell::paperOpensFromTheList()
{
    auto driver = std::make_unique<WindowDriver>();
    driver->shell.forwardTo = documents::createPlatformShell();
    QVERIFY(driver->showWindow());
    driver->clickRow(0);
    QTest::keyClick(driver->list(), Qt::Key_Return);
    // Not even the superuser enters it, as nobody.
    const QString locked = m_home + "/locked";
    QVERIFY(QDir().mkpath(locked) && QFile::setPermissions(locked, {})
            && QFile::setPermissions(m_home, executable | QFile::ExeGroup | QFile::ExeOther));
    driver->shell.folderChosen = locked;
    const uid_t user = geteuid();
    QVERIFY(user != 0 || setresuid(65534, 65534, 0) == 0);
    const QString told = driver->takeNotice(true);
    QVERIFY(user != 0 || setresuid(0, 0, 0) == 0);
    const QString started = "\n\nDocuments are %1 in the folder the program was started from";
    QCOMPARE(told, "Brevanor 2002|The document \"" + driver->list()->cellText(0, 0)
                       + "\" was not found in the folder:\n" + m_documents
                       + started.arg("looked for") + ".|2");
    QCOMPARE(driver->takeNotice(), "Brevanor 2002|The folder chosen cannot be read:\n" + locked
                                       + started.arg("still looked for") + ":\n" + m_documents
                                       + "|2");
    // Makes the file of the first row that matches and opens it with Enter.
    const auto openFirst = [this, &driver](const char *pattern) {
        QAbstractItemModel *rows = driver->list()->model();
        const QModelIndex row = rows->match(rows->index(0, 0), Qt::DisplayRole,
                                            QString::fromLatin1(pattern), 1, Qt::MatchWildcard)
                                    .value(0);
        if (row.isValid() && makeDocument(row.data().toString())) {
            driver->clickRow(row.row());
            QTest::keyClick(driver->list(), Qt::Key_Return);
        }
        return inDocuments(row.data().toString());
    };

    const QString pdf = openFirst("*.pdf");
    expectStarts({{pdf}});
    const QString doc = openFirst("*.doc");
    driver.reset();
    const QHash<qint64, QString> choosers = choosersRunning();
    QCOMPARE(choosers.values(), QStringList{doc});
    // None of the test's own streams, which may be pipes that close.
    const QString streams = QStringLiteral("/proc/%1/fd/").arg(choosers.keys().constFirst());
    for (const char *stream : {"0", "1", "2"})
        QCOMPARE(QFile::symLinkTarget(streams + QLatin1String(stream)),
                 QStringLiteral("/dev/null"));
}

QTEST_MAIN(TestFreedesktopShell)
#include "tst_freedesktopshell.moc"
