// SPDX-License-Identifier: GPL-3.0-or-later
#include "display.h"

namespace app {

bool displayNamed(int /*argc*/, char * /*argv*/[])
{
    return true; // a Windows program always has its desktop
}

} // namespace app
