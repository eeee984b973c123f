#pragma once
// Helpers for tests that work on real files: a private folder, raw bytes in and out.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexiglade::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path, ending with '/'.
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }

  private:
    std::string path_;
};

// TMPDIR pointed at a memory file system while it lives, where there is one, so that the
// TempFolders made meanwhile live there: for tests that write and sync thousands of files.
class MemoryTempDir {
  public:
    MemoryTempDir();
    ~MemoryTempDir();
    MemoryTempDir(const MemoryTempDir&) = delete;
    MemoryTempDir& operator=(const MemoryTempDir&) = delete;

  private:
    std::optional<std::string> old_;
};

void WriteBytes(const std::string& path, std::string_view bytes);
std::string ReadBytes(const std::string& path);
void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> ReadFile(const std::string& path);
// Names in the folder, sorted.
std::vector<std::string> FolderEntries(const std::string& folder);

// Runs `body` where file permissions apply: in a child process that has given up root, if the
// tests run as root. True when `body` returned true.
bool RunWithoutPrivileges(const std::function<bool()>& body);

// Runs a shell command line; true when it exits with status 0.
bool RunCommand(const std::string& command);

// The text of the LibraryError that `action` throws, or "" when it throws none.
std::string ErrorOf(const std::function<void()>& action);

} // namespace lexiglade::test
