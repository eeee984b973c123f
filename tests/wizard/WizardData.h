#pragma once
// A temporary data folder for the wizard: the canvas picture, hint pictures and a small library.
#include <QImage>

#include <map>
#include <string>

namespace lexiglade::test {

class WizardData {
  public:
    // The canvas "a6.asl" (150 x 80 of a colour that is not white) and an empty pictures/ folder;
    // with `library`, also a tree of three folders and lists of eight puzzles in b1/b2.
    explicit WizardData(bool library = true);
    ~WizardData();
    WizardData(const WizardData&) = delete;
    WizardData& operator=(const WizardData&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }
    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;
    void WritePicture(const std::string& name, const QImage& image) const;
    QImage ReadPicture(const std::string& name) const;
    // Every file below the folder, by relative path, with its bytes; not the library's lock file,
    // which stays once a writer has made it.
    std::map<std::string, std::string> Snapshot() const;

  private:
    std::string path_;
};

// The tree of the library: "Animals" at line 0 with four puzzles, "Sky" at line 5 with three,
// "Sea" at line 9 with one.
extern const char* const kThreeFolderTree;
// A picture whose colours follow the position, so that any shift or cut shows.
QImage Gradient(int width, int height);
// The canvas colour of "a6.asl".
inline constexpr unsigned kCanvasColour = 0xFF2040C0u;

} // namespace lexiglade::test
