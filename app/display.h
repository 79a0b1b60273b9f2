// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace app {

// Whether the window has somewhere to show: the platform's own desktop, a
// display or a Wayland socket named in the environment, or a Qt platform
// chosen explicitly. Without one, Qt's platform plugins abort.
bool displayNamed(int argc, char *argv[]);

} // namespace app
