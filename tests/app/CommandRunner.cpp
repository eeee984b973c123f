#include "CommandRunner.h"

#include "TempFolder.h"

#include <algorithm>
#include <string_view>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

namespace lexiglade::test {

namespace {

// This process's environment with `settings` in place of the variables they name.
std::vector<std::string> Environment(const std::vector<std::string>& settings) {
    std::vector<std::string> environment;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        const std::string_view entry = *variable;
        const std::string_view name = entry.substr(0, entry.find('=') + 1);
        if (std::none_of(settings.begin(), settings.end(),
                         [&](const std::string& setting) { return setting.starts_with(name); })) {
            environment.emplace_back(entry);
        }
    }
    environment.insert(environment.end(), settings.begin(), settings.end());
    return environment;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

CommandResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::vector<std::string>& settings) {
    const TempFolder outputs;
    const std::string out = outputs / "out";
    const std::string err = outputs / "err";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<std::string> words = {program};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<std::string> environment = Environment(settings);
    std::vector<char*> argv = Pointers(words);
    std::vector<char*> envp = Pointers(environment);
    CommandResult result;
    pid_t child = 0;
    const int spawned =
        ::posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), envp.data());
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
