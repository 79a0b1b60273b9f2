// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace window {

// Installs the accessible interfaces of the program's own controls, the
// result list and the pick lists; called once, when the application starts.
void installAccessibleInterfaces();

} // namespace window
