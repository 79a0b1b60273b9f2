// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the main window (or, given "anchor", the stock tree widget window),
// prints the time from the start of main to the end of the first paint and
// the peak resident memory at that moment, and ends at once.
#include "support/anchorwindow.h"
#include "support/paintwatch.h"

#include "documents/shell.h"
#include "resultlist/reportlist.h"
#include "window/mainform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// VmHWM of /proc/self/status, in KiB; -1 where it cannot be read.
long peakResidentKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

[[noreturn]] void report(const QElapsedTimer &sinceMain, bool painted)
{
    const qint64 nanoseconds = sinceMain.nsecsElapsed();
    const long peak = peakResidentKib();
    if (!painted) {
        std::fprintf(stderr, "bench_firstpaint: no paint within the time-out\n");
        std::exit(EXIT_FAILURE);
    }
    std::printf("main_to_paint_ns=%lld peak_rss_kib=%ld\n", static_cast<long long>(nanoseconds),
                peak);
    std::fflush(stdout);
    // The measurement ends at the first paint; tearing the window down is not start-up.
    std::_Exit(EXIT_SUCCESS);
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    QApplication application(argc, argv);
    const bool anchor = argc > 1 && std::strcmp(argv[1], "anchor") == 0;
    if (anchor) {
        const auto tree = makeAnchorWindow();
        PaintWatch watch(tree->viewport());
        tree->show();
        report(sinceMain, watch.waitForPaint());
    }
    const auto shell = documents::createPlatformShell();
    window::MainForm mainform(*shell);
    PaintWatch watch(
        mainform.findChild<resultlist::ReportList *>(QStringLiteral("ListView1"))->viewport());
    mainform.show();
    report(sinceMain, watch.waitForPaint());
}
