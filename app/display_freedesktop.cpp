// SPDX-License-Identifier: GPL-3.0-or-later
#include "display.h"

#include <QByteArray>
#include <QtGlobal>

namespace app {

bool displayNamed(int argc, char *argv[])
{
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM"}) {
        if (!qEnvironmentVariableIsEmpty(name))
            return true;
    }
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            return true;
    }
    return false;
}

} // namespace app
