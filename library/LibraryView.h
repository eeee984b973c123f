#pragma once
// A library's files as they are, or as a batch of replacements will leave them once committed.
#include <filesystem>
#include <map>
#include <string>
#include <utility>

namespace lexiglade {

class LibraryView {
  public:
    // The files of `dataDir` as they are.
    explicit LibraryView(std::filesystem::path dataDir) : dataDir_(std::move(dataDir)) {}
    // As they will be: each file named in `staged` is read from the new file it maps to.
    LibraryView(std::filesystem::path dataDir, std::map<std::string, std::string> staged)
        : dataDir_(std::move(dataDir)), staged_(std::move(staged)) {}

    // Where the file `name` of the library is read from.
    std::filesystem::path PathOf(const std::string& name) const {
        const auto found = staged_.find(name);
        return dataDir_ / (found == staged_.end() ? name : found->second);
    }
    const std::filesystem::path& DataDir() const { return dataDir_; }
    // The files a batch replaces, each with the name of its new content.
    const std::map<std::string, std::string>& Staged() const { return staged_; }

  private:
    std::filesystem::path dataDir_;
    std::map<std::string, std::string> staged_;
};

} // namespace lexiglade
