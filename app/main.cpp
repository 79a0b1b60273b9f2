#include "documents/shell.h"
#include "window/errorboundary.h"
#include "window/mainform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // Lets the desktop match the window to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.brevanor.Brevanor2002"));
    const auto shell = documents::createPlatformShell();
    window::MainForm mainform(*shell);
    return window::ErrorBoundary::showAndRun(mainform);
}
