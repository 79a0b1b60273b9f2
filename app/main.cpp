// SPDX-License-Identifier: GPL-3.0-or-later
#include "display.h"

#include "documents/shell.h"
#include "window/accessibleinterfaces.h"
#include "window/errorboundary.h"
#include "window/mainform.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (!app::displayNamed(argc, argv)) {
        std::fputs("no display: set DISPLAY or WAYLAND_DISPLAY\n", stderr);
        return EXIT_FAILURE;
    }
    QApplication application(argc, argv);
    // Lets the desktop match the window to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(BREVANOR_APP_ID));
    window::installAccessibleInterfaces();
    const auto shell = documents::createPlatformShell();
    window::MainForm mainform(*shell);
    return window::ErrorBoundary::showAndRun(mainform);
}
