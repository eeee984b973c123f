#include "PrivateHome.h"

#include <cstdlib>

namespace lexiglade::test {

namespace {

std::optional<std::string> Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

void Restore(const char* name, const std::optional<std::string>& value) {
    if (value) {
        ::setenv(name, value->c_str(), 1);
    } else {
        ::unsetenv(name);
    }
}

} // namespace

// An empty configuration folder holds no user-dirs.dirs, so the documents folder is ~/Documents.
PrivateHome::PrivateHome() : oldHome_(Variable("HOME")), oldConfig_(Variable("XDG_CONFIG_HOME")) {
    ::setenv("HOME", home_.Path().c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home_ / "config").c_str(), 1);
}

PrivateHome::~PrivateHome() {
    Restore("HOME", oldHome_);
    Restore("XDG_CONFIG_HOME", oldConfig_);
}

} // namespace lexiglade::test
