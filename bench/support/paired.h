// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <string>
#include <vector>

// One measurement of one side of a pair: the seconds (or other unit) it took.
using Measurement = std::function<double()>;

// What a paired benchmark found over one run: the medians of both sides and
// the median of the pairs' ratios, with the quartiles of those ratios.
struct PairedResult
{
    std::string name;
    std::string unit;
    double program = 0;
    double anchor = 0;
    double ratio = 0;
    double ratioLow = 0;  // first quartile of the pairs' ratios
    double ratioHigh = 0; // third quartile
    double limit = 0;     // the ratio the target allows, 0 when none
};

// Measures the program and its anchor alternately, program-anchor then
// anchor-program, one pair per benchmark iteration, and records the medians
// of both and of the pairs' ratios. The two halves of a pair run back to back,
// so a pair's ratio is little touched by load that comes and goes on the
// machine. Values in seconds become the iteration's time.
void measurePaired(benchmark::State &state, const Measurement &program, const Measurement &anchor,
                   const char *unit = "ms", double limit = 0);

// Registers a paired benchmark with a fixed number of pairs; timed ones take
// the program's measured seconds as their iteration time.
benchmark::internal::Benchmark *registerPaired(const std::string &name, int pairs,
                                               std::function<void(benchmark::State &)> body,
                                               bool timed = true);

// Everything measured so far, in the order it was measured.
const std::vector<PairedResult> &pairedResults();

// Records a derived figure (for example a ratio between two results).
void recordDerived(const std::string &name, double value, double limit, const std::string &target);

// Prints the medians and ratios of every paired benchmark of this run.
void printSummary(const char *title);

// Runs the registered benchmarks, then afterRun (for derived figures), and
// prints the summary; the usual main.
int runBenchmarks(int argc, char **argv, const char *title,
                  const std::function<void()> &afterRun = {});

// The q-quantile of the samples (0.5 the median), interpolated between neighbours.
double quantile(std::vector<double> samples, double q);
double median(std::vector<double> samples);

// Seconds since an arbitrary fixed point, from a monotonic clock.
double now();
