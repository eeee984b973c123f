#include "Contest.h"

#include <algorithm>
#include <vector>

namespace lexiglade::bench {

namespace {

constexpr double kMillisecondsPerSecond = 1e3;

double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The samples of one side of the contest.
struct Side {
    std::vector<double> seconds;
    double peakMegabytes = 0;
    void Add(const Sample& sample) {
        seconds.push_back(sample.seconds);
        peakMegabytes = std::max(peakMegabytes, sample.peakMegabytes);
    }
};

} // namespace

void RunContest(benchmark::State& state, const Measurement& subject, const Measurement& reference) {
    subject();
    if (reference) {
        reference();
    }
    Side ours, theirs;
    bool referenceFirst = false;
    for (auto _ : state) {
        if (reference && referenceFirst) {
            theirs.Add(reference());
        }
        const Sample sample = subject();
        ours.Add(sample);
        if (reference && !referenceFirst) {
            theirs.Add(reference());
        }
        referenceFirst = !referenceFirst;
        state.SetIterationTime(sample.seconds);
    }
    const double ms = Median(ours.seconds) * kMillisecondsPerSecond;
    state.counters["ms"] = ms;
    if (ours.peakMegabytes > 0) {
        state.counters["peak_MB"] = ours.peakMegabytes;
    }
    if (reference) {
        const double referenceMs = Median(theirs.seconds) * kMillisecondsPerSecond;
        state.counters["ref_ms"] = referenceMs;
        state.counters["ratio"] = referenceMs > 0 ? ms / referenceMs : 0;
        if (theirs.peakMegabytes > 0) {
            state.counters["ref_peak_MB"] = theirs.peakMegabytes;
        }
    }
}

} // namespace lexiglade::bench
