#include "CommandRunner.h"

#include "TempFolder.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

namespace lexiglade::test {

CommandResult RunProgram(const std::string& program, const std::vector<std::string>& args) {
    const TempFolder outputs;
    const std::string out = outputs / "out";
    const std::string err = outputs / "err";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char*> argv = {const_cast<char*>(program.c_str())};
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    CommandResult result;
    pid_t child = 0;
    const int spawned =
        ::posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || ::waitpid(child, &status, 0) != child) {
        return result;
    }
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadBytes(out);
    result.err = ReadBytes(err);
    return result;
}

} // namespace lexiglade::test
