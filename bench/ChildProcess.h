#pragma once
// A program run beside the benchmark: its start, its lines on a pipe, and what it cost once it
// has ended. Its peak resident memory is its own VmHWM, read at its exit (it runs traced for that
// one stop): the kernel's maxrss of a child would also count its parent's peak.
#include <sys/types.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace lexiglade::bench {

using Clock = std::chrono::steady_clock;

struct ChildCost {
    int status = -1;          // exit status, or -1 when it did not exit normally
    double peakMegabytes = 0; // the largest resident set its program reached
};

class ChildProcess {
  public:
    // Where the child's standard output goes.
    enum class Output { Pipe, Discard };
    // Starts `argv` (argv[0] a path) with its standard input on a pipe and its standard output on
    // a pipe or discarded, in this process's environment with `settings` ("NAME=value") before it.
    // Throws std::runtime_error when it cannot be started.
    explicit ChildProcess(const std::vector<std::string>& argv, Output output = Output::Pipe,
                          const std::vector<std::string>& settings = {});
    ~ChildProcess(); // ends a child still running (SIGKILL) and waits for it
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    Clock::time_point Started() const { return started_; }
    // The next line the child wrote, without its line end; throws when it ended first.
    std::string ReadLine();
    void WriteLine(const std::string& line);
    // Closes the child's input, which tells the probes to end, and waits for it.
    ChildCost Finish();

  private:
    pid_t pid_ = -1;
    FILE* input_ = nullptr;  // the child's standard input
    FILE* output_ = nullptr; // the child's standard output, when piped
    Clock::time_point started_;
    std::string program_;
};

// Runs `argv` to its end with its output discarded: the time from start to end and the cost.
struct CompletedRun {
    double seconds = 0;
    ChildCost cost;
};
CompletedRun RunToEnd(const std::vector<std::string>& argv);

} // namespace lexiglade::bench
