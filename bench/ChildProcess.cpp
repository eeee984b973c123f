#include "ChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <fstream>
#include <stdexcept>

extern char** environ;

namespace lexiglade::bench {

namespace {

constexpr double kKilobytesPerMegabyte = 1024.0;
constexpr int kCannotStart = 127;

std::array<int, 2> MakePipe() {
    std::array<int, 2> ends{};
    if (pipe2(ends.data(), O_CLOEXEC) != 0) {
        throw std::runtime_error("cannot make a pipe");
    }
    return ends;
}

// The peak resident set of a process stopped on its way out, from its own memory's count.
double PeakMegabytesOf(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    long kilobytes = 0;
    while (status >> key && key != "VmHWM:") {
    }
    status >> kilobytes;
    return static_cast<double>(kilobytes) / kKilobytesPerMegabyte;
}

bool StoppedAtExit(int status) {
    return WIFSTOPPED(status) && (status >> 16) == PTRACE_EVENT_EXIT;
}

} // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv, Output output,
                           const std::vector<std::string>& settings)
    : program_(argv.at(0)) {
    const std::array<int, 2> toChild = MakePipe();
    const std::array<int, 2> fromChild = MakePipe();
    const int discard = open("/dev/null", O_WRONLY | O_CLOEXEC);
    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    std::vector<char*> environment; // the first setting of a name is the one a program reads
    for (const std::string& setting : settings) {
        environment.push_back(const_cast<char*>(setting.c_str()));
    }
    for (char** inherited = environ; *inherited != nullptr; ++inherited) {
        environment.push_back(*inherited);
    }
    environment.push_back(nullptr);
    started_ = Clock::now();
    pid_ = fork();
    if (pid_ == 0) { // only calls that are safe between fork and exec
        dup2(toChild[0], STDIN_FILENO);
        dup2(output == Output::Pipe ? fromChild[1] : discard, STDOUT_FILENO);
        ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
        execve(args[0], args.data(), environment.data());
        _exit(kCannotStart);
    }
    close(discard);
    close(toChild[0]);
    close(fromChild[1]);
    input_ = fdopen(toChild[1], "w");
    output_ = fdopen(fromChild[0], "r");
    int status = 0;
    // Traced, it stops at its exec: from there on it stops once more, on its way out.
    if (pid_ < 0 || waitpid(pid_, &status, 0) != pid_ || !WIFSTOPPED(status)) {
        pid_ = -1;
        throw std::runtime_error("cannot start " + program_);
    }
    ptrace(PTRACE_SETOPTIONS, pid_, nullptr, PTRACE_O_TRACEEXIT | PTRACE_O_EXITKILL);
    ptrace(PTRACE_CONT, pid_, nullptr, nullptr);
}

ChildProcess::~ChildProcess() {
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        Finish();
    }
    if (output_ != nullptr) {
        fclose(output_);
    }
}

std::string ChildProcess::ReadLine() {
    std::string line;
    for (int ch = fgetc(output_); ch != '\n'; ch = fgetc(output_)) {
        if (ch == EOF) {
            throw std::runtime_error(program_ + " ended without answering");
        }
        line += static_cast<char>(ch);
    }
    return line;
}

void ChildProcess::WriteLine(const std::string& line) {
    fputs((line + "\n").c_str(), input_);
    fflush(input_);
}

ChildCost ChildProcess::Finish() {
    if (input_ != nullptr) {
        fclose(input_);
        input_ = nullptr;
    }
    ChildCost cost;
    int status = 0;
    while (pid_ > 0 && waitpid(pid_, &status, 0) == pid_) {
        if (WIFEXITED(status) || WIFSIGNALED(status)) {
            cost.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            break;
        }
        if (StoppedAtExit(status)) {
            cost.peakMegabytes = PeakMegabytesOf(pid_);
        }
        // Signals other than the tracer's own go on to the child.
        const int signal =
            StoppedAtExit(status) || WSTOPSIG(status) == SIGTRAP ? 0 : WSTOPSIG(status);
        ptrace(PTRACE_CONT, pid_, nullptr, reinterpret_cast<void*>(static_cast<long>(signal)));
    }
    pid_ = -1;
    return cost;
}

CompletedRun RunToEnd(const std::vector<std::string>& argv) {
    ChildProcess child(argv, ChildProcess::Output::Discard);
    CompletedRun run;
    run.cost = child.Finish();
    run.seconds = std::chrono::duration<double>(Clock::now() - child.Started()).count();
    return run;
}

} // namespace lexiglade::bench
