#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it.
#include <string>
#include <vector>

namespace lexiglade::test {

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

// Names in the folder, sorted.
std::vector<std::string> FolderEntries(const std::string& folder);

} // namespace lexiglade::test
