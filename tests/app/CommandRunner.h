#pragma once
// Runs a program to its end and collects what it wrote and how it exited.
#include <string>
#include <vector>

namespace lexiglade::test {

struct CommandResult {
    int status = -1; // the exit status; -1 when it did not exit normally
    std::string out;
    std::string err;
};

// Runs `program` with `args` (after its name) in this environment, where each of `settings`
// ("NAME=value") takes the place of the variable it names; its output goes through files in a
// private folder.
CommandResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::vector<std::string>& settings = {});

} // namespace lexiglade::test
