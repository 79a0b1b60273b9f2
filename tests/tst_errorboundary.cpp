// SPDX-License-Identifier: GPL-3.0-or-later
// An error that nothing handles, in an event routine or in start-up, each in
// a child process of its own: the runtime's message box, the end through the
// event loop with the right status, and no error crossing notify.
#include "support/windowdriver.h"

#include "window/errorboundary.h"

#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <map>
#include <new>
#include <stdexcept>

namespace {

void say(const QString &line)
{
    std::puts(qPrintable(line));
    std::fflush(stdout);
}

// Tells when the window shows, and any error that crosses notify.
class Watched : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        if (event->type() == QEvent::Show && receiver->objectName() == QLatin1String("mainform"))
            say(QStringLiteral("shown"));
        try {
            return QApplication::notify(receiver, event);
        } catch (...) {
            say(QStringLiteral("crossed notify"));
            return false;
        }
    }
};

// Tells what each message box shows, and answers it with OK.
int runChild(const QString &mode)
{
    QTimer boxes;
    QObject::connect(&boxes, &QTimer::timeout, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            say(QStringLiteral("%1|%2|%3")
                    .arg(box->windowTitle(), box->text())
                    .arg(box->buttons().size()));
            box->button(QMessageBox::Ok)->click();
        }
    });
    boxes.start(20);
    WindowDriver driver;
    QObject::connect(&driver.form(), &QObject::destroyed, [] { say("destroyed"); });
    if (mode == QLatin1String("start-up")) // as the load routine would, in the constructor
        window::ErrorBoundary::run([] { throw errors::TypeMismatchError(); });
    const std::map<QString, std::function<void()>> faults{
        {"handler", [] { throw errors::OverflowError(); }},
        {"out of memory", [] { throw std::bad_alloc(); }},
        {"foreign", [] { throw std::logic_error("not the runtime's"); }}};
    if (const auto fault = faults.find(mode); fault != faults.end())
        driver.shell.failToExecute = fault->second;
    QTimer open;
    open.setSingleShot(true);
    QObject::connect(&open, &QTimer::timeout, [&driver] {
        driver.clickRow(0);
        QTest::keyClick(driver.list(), Qt::Key_Return);
        driver.form().close();
    });
    open.start(0);
    return window::ErrorBoundary::showAndRun(driver.form());
}

} // namespace

class TestErrorBoundary : public QObject
{
    Q_OBJECT

private slots:
    void unhandledErrorIsReportedAndEndsTheProgram_data();
    void unhandledErrorIsReportedAndEndsTheProgram();
};

void TestErrorBoundary::unhandledErrorIsReportedAndEndsTheProgram_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("stderrLine");
    QTest::newRow("in an event routine")
        << "handler" << 1 << "shown\nBrevanor 2002|Run-time error '6':\n\nOverflow|1"
        << "brevanor: run-time error 6: Overflow";
    QTest::newRow("out of memory in an event routine")
        << "out of memory" << 1 << "shown\nBrevanor 2002|Run-time error '7':\n\nOut of memory|1"
        << "brevanor: run-time error 7: Out of memory";
    QTest::newRow("another exception in an event routine")
        << "foreign" << 1 << "shown\nBrevanor 2002|Run-time error '51':\n\nInternal error|1"
        << "brevanor: run-time error 51: Internal error";
    QTest::newRow("in start-up") << "start-up" << 1
                                 << "Brevanor 2002|Run-time error '13':\n\nType mismatch|1"
                                 << "brevanor: run-time error 13: Type mismatch";
    QTest::newRow("none") << "none" << 0 << "shown" << QString();
}

void TestErrorBoundary::unhandledErrorIsReportedAndEndsTheProgram()
{
    QFETCH(QString, mode);
    QFETCH(int, exitCode);
    QFETCH(QString, report);
    QFETCH(QString, stderrLine);
    QProcess child;
    // Text mode: a Windows child ends its lines in CR LF.
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), mode},
                QIODevice::ReadOnly | QIODevice::Text);
    QVERIFY(child.waitForFinished());

    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), exitCode);
    // The window is destroyed last, after the box and the end of the loop.
    QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()), report + "\ndestroyed\n");
    const QStringList errors = QString::fromUtf8(child.readAllStandardError()).split('\n');
    QCOMPARE(errors.filter("run-time"),
             stderrLine.isNull() ? QStringList() : QStringList{stderrLine});
}

int main(int argc, char *argv[])
{
    Watched application(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0)
        return runChild(QString::fromLocal8Bit(argv[2]));
    TestErrorBoundary test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_errorboundary.moc"
