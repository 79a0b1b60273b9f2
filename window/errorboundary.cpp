// SPDX-License-Identifier: GPL-3.0-or-later
#include "errorboundary.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <new>

namespace window {

int ErrorBoundary::showAndRun(QWidget &window)
{
    if (s_ending)
        return exitStatus;
    window.show();
    return QApplication::exec();
}

void ErrorBoundary::reportCurrentException()
{
    try {
        throw;
    } catch (const errors::RuntimeError &error) {
        report(error);
    } catch (const std::bad_alloc &) {
        report(errors::OutOfMemoryError());
    } catch (...) {
        report(errors::InternalError());
    }
}

void ErrorBoundary::report(const errors::RuntimeError &error)
{
    // Only the first error is reported: nothing runs after it but the end.
    if (s_ending)
        return;
    s_ending = true;
    std::fprintf(stderr, "brevanor: run-time error %d: %s\n", error.number(), error.what());
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Brevanor 2002"),
                    QStringLiteral("Run-time error '%1':\n\n%2")
                        .arg(error.number())
                        .arg(QString::fromUtf8(error.what())),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("runtimeError"));
    box.exec();
    // Closing the last window would otherwise end the loop with success.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QApplication::closeAllWindows();
    QCoreApplication::exit(exitStatus);
}

} // namespace window
