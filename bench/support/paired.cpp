// SPDX-License-Identifier: GPL-3.0-or-later
#include "paired.h"

#include <QGuiApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

std::vector<PairedResult> &results()
{
    static std::vector<PairedResult> all;
    return all;
}

struct Derived
{
    std::string name;
    double value;
    double limit;
    std::string target;
};

std::vector<Derived> &derived()
{
    static std::vector<Derived> all;
    return all;
}

// Seconds are shown in the unit the benchmark asked for; other units as they are.
bool isTime(const std::string &unit)
{
    return unit == "ms" || unit == "us";
}

double scaleOf(const std::string &unit)
{
    return unit == "ms" ? 1e3 : unit == "us" ? 1e6 : 1;
}

const char *verdict(double value, double limit)
{
    if (limit <= 0)
        return "";
    return value <= limit ? "met" : "MISSED";
}

// The name of the benchmark running now; this version of State does not know it.
std::string &runningName()
{
    static std::string name;
    return name;
}

} // namespace

double now()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

double quantile(std::vector<double> samples, double q)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const double position = q * double(samples.size() - 1);
    const auto below = std::size_t(position);
    const std::size_t above = std::min(below + 1, samples.size() - 1);
    return samples[below] + (samples[above] - samples[below]) * (position - double(below));
}

double median(std::vector<double> samples)
{
    return quantile(std::move(samples), 0.5);
}

void measurePaired(benchmark::State &state, const Measurement &program, const Measurement &anchor,
                   const char *unit, double limit)
{
    const std::string unitName = unit;
    const bool seconds = isTime(unitName);
    std::vector<double> programSamples;
    std::vector<double> anchorSamples;
    std::vector<double> ratios;
    std::int64_t pair = 0;
    while (state.KeepRunning()) {
        // Alternate which side goes first, so neither always runs on a warmer cache.
        double p = 0;
        double a = 0;
        if (pair++ % 2 == 0) {
            p = program();
            a = anchor();
        } else {
            a = anchor();
            p = program();
        }
        if (p < 0 || a < 0) {
            state.SkipWithError("a measurement failed (see above)");
            return;
        }
        programSamples.push_back(p);
        anchorSamples.push_back(a);
        if (a > 0)
            ratios.push_back(p / a);
        if (seconds)
            state.SetIterationTime(p);
    }
    PairedResult result;
    result.name = runningName();
    result.unit = unitName;
    result.program = median(programSamples);
    result.anchor = median(anchorSamples);
    result.ratio = median(ratios);
    result.ratioLow = quantile(ratios, 0.25);
    result.ratioHigh = quantile(ratios, 0.75);
    result.limit = limit;
    const double scale = scaleOf(unitName);
    state.counters["program_" + unitName] = result.program * scale;
    state.counters["anchor_" + unitName] = result.anchor * scale;
    state.counters["ratio"] = result.ratio;
    results().push_back(result);
}

benchmark::internal::Benchmark *registerPaired(const std::string &name, int pairs,
                                               std::function<void(benchmark::State &)> body,
                                               bool timed)
{
    // The summary learns the running benchmark's name before its body runs.
    auto *benchmark = benchmark::RegisterBenchmark(
        name.c_str(), [name, body = std::move(body)](benchmark::State &state) {
            runningName() = name;
            body(state);
        });
    benchmark->Iterations(pairs)->Unit(benchmark::kMillisecond);
    if (timed)
        benchmark->UseManualTime();
    return benchmark;
}

const std::vector<PairedResult> &pairedResults()
{
    return results();
}

void recordDerived(const std::string &name, double value, double limit, const std::string &target)
{
    derived().push_back({name, value, limit, target});
}

void printSummary(const char *title)
{
    std::printf("\n== %s on platform '%s' (medians) ==\n", title,
                qPrintable(QGuiApplication::platformName()));
    std::printf("%-36s %14s %14s %7s %15s %7s\n", "benchmark", "program", "anchor", "ratio",
                "quartiles", "target");
    for (const PairedResult &result : results()) {
        const double scale = scaleOf(result.unit);
        char target[16] = "";
        if (result.limit > 0)
            std::snprintf(target, sizeof target, "<=%.2f", result.limit);
        std::printf("%-36s %10.3f %-3s %10.3f %-3s %7.3f   %5.3f..%5.3f %7s  %s\n",
                    result.name.c_str(), result.program * scale, result.unit.c_str(),
                    result.anchor * scale, result.unit.c_str(), result.ratio, result.ratioLow,
                    result.ratioHigh, target, verdict(result.ratio, result.limit));
    }
    for (const Derived &figure : derived()) {
        char target[16] = "";
        if (figure.limit > 0)
            std::snprintf(target, sizeof target, "<=%.2f", figure.limit);
        std::printf("%-36s %14s %14s %7.3f %15s %7s  %s  (%s)\n", figure.name.c_str(), "", "",
                    figure.value, "", target, verdict(figure.value, figure.limit),
                    figure.target.c_str());
    }
    std::fflush(stdout);
}

int runBenchmarks(int argc, char **argv, const char *title, const std::function<void()> &afterRun)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (afterRun)
        afterRun();
    printSummary(title);
    return 0;
}
