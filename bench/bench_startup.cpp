// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up to the first paint of the main window, and its peak memory, each
// against a stock tree widget window of the same size holding the same rows.
#include "support/anchorwindow.h"
#include "support/paintwatch.h"
#include "support/paired.h"

#include "resultlist/reportlist.h"
#include "tests/support/recordingshell.h"
#include "window/mainform.h"

#include <QApplication>
#include <QProcess>
#include <QRegularExpression>

#include <cstdio>
#include <memory>

namespace {

// Window construction, show and first paint inside this process, where the
// application, fonts and style are already up.
double mainFormInProcess()
{
    RecordingShell shell;
    const double start = now();
    auto form = std::make_unique<window::MainForm>(shell);
    PaintWatch watch(
        form->findChild<resultlist::ReportList *>(QStringLiteral("ListView1"))->viewport());
    form->show();
    const bool painted = watch.waitForPaint();
    const double seconds = now() - start;
    form.reset();
    drainEvents();
    return painted ? seconds : -1;
}

double anchorInProcess()
{
    const double start = now();
    auto tree = makeAnchorWindow();
    PaintWatch watch(tree->viewport());
    tree->show();
    const bool painted = watch.waitForPaint();
    const double seconds = now() - start;
    tree.reset();
    drainEvents();
    return painted ? seconds : -1;
}

// What one run of bench_firstpaint reported, and how long it ran as seen
// from here, from its start to its exit right after the first paint.
struct ChildReport
{
    double mainToPaint = -1;
    double peakKib = -1;
    double execToExit = -1;
};

ChildReport runFirstPaint(const QString &mode)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const double start = now();
    child.start(QCoreApplication::applicationDirPath() + QStringLiteral("/bench_firstpaint"),
                {mode});
    const bool finished = child.waitForFinished(60000);
    const double execToExit = now() - start;
    if (!finished || child.exitCode() != 0) {
        std::fprintf(stderr, "bench_firstpaint %s failed\n", qPrintable(mode));
        return {};
    }
    static const QRegularExpression pattern(
        QStringLiteral("main_to_paint_ns=(\\d+) peak_rss_kib=(\\d+)"));
    const QRegularExpressionMatch match =
        pattern.match(QString::fromLatin1(child.readAllStandardOutput()));
    if (!match.hasMatch())
        return {};
    return {match.captured(1).toDouble() / 1e9, match.captured(2).toDouble(), execToExit};
}

void registerAll()
{
    // One untimed round of each first, so neither pays for loading fonts and style.
    registerPaired("Startup/in_process", 51, [](benchmark::State &state) {
        mainFormInProcess();
        anchorInProcess();
        measurePaired(state, mainFormInProcess, anchorInProcess, "ms", 1.2);
    });
    registerPaired("Startup/main_to_first_paint", 31, [](benchmark::State &state) {
        measurePaired(
            state, [] { return runFirstPaint(QStringLiteral("program")).mainToPaint; },
            [] { return runFirstPaint(QStringLiteral("anchor")).mainToPaint; }, "ms", 1.2);
    });
    registerPaired("Startup/exec_to_first_paint", 31, [](benchmark::State &state) {
        measurePaired(
            state, [] { return runFirstPaint(QStringLiteral("program")).execToExit; },
            [] { return runFirstPaint(QStringLiteral("anchor")).execToExit; }, "ms", 1.2);
    });
    registerPaired(
        "Memory/peak_rss", 15,
        [](benchmark::State &state) {
            measurePaired(
                state, [] { return runFirstPaint(QStringLiteral("program")).peakKib; },
                [] { return runFirstPaint(QStringLiteral("anchor")).peakKib; }, "KiB", 1.15);
        },
        false);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    registerAll();
    return runBenchmarks(argc, argv, "Start-up and memory");
}
