// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "errors/runtimeerror.h"

#include <cstdlib>

class QWidget;

namespace window {

// Where a runtime error that no routine handles ends: every event routine runs
// through here, so that no error crosses Qt's event dispatch. The error is
// reported as the runtime reports it, in a message box and on standard error,
// and the program then ends through its event loop. Any other exception is
// reported as the runtime error that stands for it.
class ErrorBoundary
{
public:
    static constexpr int exitStatus = EXIT_FAILURE;

    // Runs the routine unless the program is already ending; an error it
    // raises is reported. Returns false when it did not run to its end.
    template<typename Routine>
    static bool run(Routine &&routine) noexcept
    {
        if (s_ending)
            return false;
        try {
            routine();
            return true;
        } catch (...) {
            reportCurrentException();
            return false;
        }
    }

    // Shows the window and runs the event loop until the program ends; an
    // error reported while the window was made leaves it unshown.
    static int showAndRun(QWidget &window);

private:
    static void reportCurrentException();
    static void report(const errors::RuntimeError &error);

    static inline bool s_ending = false;
};

} // namespace window
