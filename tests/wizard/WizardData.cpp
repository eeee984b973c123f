#include "WizardData.h"

#include "library/LibraryLock.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

namespace lexiglade::test {

namespace fs = std::filesystem;

const char* const kThreeFolderTree = "Animals\r\n\tFarm\r\n\tPets\r\n\tZoo\r\n\tBirds\r\n"
                                     "Sky\r\n\tStars\r\n\tMoon\r\n\tSun\r\nSea\r\n\tFish\r\n";

namespace {

std::string Lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string Repeated(const char* line, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += line;
        text += "\r\n";
    }
    return text;
}

} // namespace

QImage Gradient(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x * 7 + y * 3) % 200));
        }
    }
    return image;
}

WizardData::WizardData(bool library) {
    std::string pattern = (fs::temp_directory_path() / "lexiglade-wizard-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    path_ = pattern + "/";
    fs::create_directory(path_ + "pictures");
    QImage canvas(150, 80, QImage::Format_RGB32);
    canvas.fill(kCanvasColour);
    WritePicture("a6.asl", canvas);
    if (!library) {
        return;
    }
    Write("a7.asl", kThreeFolderTree);
    Write("a8.asl", Lines({"Farm", "Pets", "Zoo", "Birds", "Stars", "Moon", "Sun", "Fish"}));
    Write("a9.asl", Repeated("b1.asl", 8));
    Write("a10.asl", Repeated("b2.asl", 8));
    Write("a11.asl", Lines({"0", "1", "2", "3", "4", "5", "6", "7"}));
    Write("a12.asl", Lines({"0", "1", "2", "3", "4", "5", "6", "7"}));
    Write("a14.asl", Repeated("300", 8));
    Write("a15.asl", Repeated("930", 8));
    Write("b1.asl", Repeated("WORD", 8));
    Write("b2.asl", Repeated("hint", 8));
}

WizardData::~WizardData() {
    std::error_code error;
    fs::remove_all(path_, error);
}

void WizardData::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(path_ + name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string WizardData::Read(const std::string& name) const {
    std::ifstream in(path_ + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WizardData::WritePicture(const std::string& name, const QImage& image) const {
    if (!image.save(QString::fromStdString(path_ + name), "BMP")) {
        throw std::runtime_error("cannot write " + name);
    }
}

QImage WizardData::ReadPicture(const std::string& name) const {
    return QImage(QString::fromStdString(path_ + name), "BMP")
        .convertToFormat(QImage::Format_RGB32);
}

std::map<std::string, std::string> WizardData::Snapshot() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(path_)) {
        if (entry.is_regular_file() && entry.path().filename() != kLockFileName) {
            files[fs::relative(entry.path(), path_).string()] =
                Read(fs::relative(entry.path(), path_).string());
        }
    }
    return files;
}

} // namespace lexiglade::test
