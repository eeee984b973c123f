#pragma once
// Side-by-side timing: a subject and the reference it is compared with run in turn within one
// benchmark, so that both see the same machine and their ratio means something on a busy one.
#include <benchmark/benchmark.h>

#include <functional>

namespace lexiglade::bench {

// One run of a subject or a reference: its time and the peak resident memory of the program
// that did the work (0 when that is not measured).
struct Sample {
    double seconds = 0;
    double peakMegabytes = 0;
};
using Measurement = std::function<Sample()>;

// Every iteration runs the subject and the reference, which one first alternating, after one
// untimed round of both (files in the page cache, programs loaded). The iteration's time is the
// subject's (the benchmark must use manual time). Counters: ms and ref_ms, the medians; ratio,
// their quotient; peak_MB and ref_peak_MB, the largest peaks, where measured. Without a reference
// only the subject's counters.
void RunContest(benchmark::State& state, const Measurement& subject,
                const Measurement& reference = {});

} // namespace lexiglade::bench
