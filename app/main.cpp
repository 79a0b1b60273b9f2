#include "display.h"

#include "documents/shell.h"
#include "errors/runtimeerror.h"
#include "window/mainform.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Reports a runtime error that no routine handled, with its number and
// message, and ends the program.
class Application : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const errors::RuntimeError &error) {
            std::fprintf(stderr, "brevanor: run-time error %d: %s\n", error.number(), error.what());
            std::exit(EXIT_FAILURE);
        }
    }
};

} // namespace

int main(int argc, char *argv[])
{
    if (!app::displayNamed(argc, argv)) {
        std::fputs("no display: set DISPLAY or WAYLAND_DISPLAY\n", stderr);
        return EXIT_FAILURE;
    }
    Application application(argc, argv);
    // Lets the desktop match the window to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.brevanor.Brevanor2002"));
    const auto shell = documents::createPlatformShell();
    window::MainForm mainform(*shell);
    mainform.show();
    return application.exec();
}
