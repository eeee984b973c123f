#include "UiFixture.h"

#include "ModalDriver.h"
#include "ui/Wordsrch.h"

#include <QDir>

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace lexiglade::test {

const char* const kTreeText = "Animals\r\n\tFarm\r\n\tPets\r\nSky\r\n\tNight\r\n\t\tStars\r\n"
                              "\tEmpty\r\n\tPlanets\r\n";

namespace {

QImage MakeBackdrop() {
    QImage image(640, 480, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb(1 + x % 250, 1 + y % 250, 1 + (x + y) % 250));
        }
    }
    return image;
}

std::string Lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

} // namespace

DataFolder::DataFolder() : backdrop_(MakeBackdrop()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "lexiglade-ui-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    path_ = pattern + "/";
    backdrop_.save(QString::fromStdString(path_ + "a4.asl"), "BMP");
    QImage side(60, 40, QImage::Format_RGB32);
    side.fill(qRgb(0, 200, 0));
    side.save(QString::fromStdString(path_ + "a2.asl"), "BMP");
    WriteBitmap("a3.asl", kBoardWidth, kBoardHeight, kBoardColour);
    WriteBitmap("a1.asl", 40, 35, kEndGameColour);
    WriteBitmap("a5.asl", 150, 35, kPrintColour);
    Write("a7.asl", kTreeText);
    Write("a8.asl", Lines({"Farm", "Pets", "Stars", "Empty", "Planets"}));
    Write("a9.asl", Lines({"b1.asl", "b1.asl", "b1.asl", "b1.asl", "b1.asl"}));
    Write("a10.asl", Lines({"b2.asl", "b2.asl", "b2.asl", "b2.asl", "b2.asl"}));
    Write("a11.asl", Lines({"0", "2", "4", "6", "8"}));
    Write("a12.asl", Lines({"1", "3", "5", "7", "9"}));
    Write("a14.asl", Lines({"300", "300", "300", "300", "300"}));
    Write("a15.asl", Lines({"930", "930", "930", "930", "930"}));
    Write("b1.asl",
          Lines({"COW", "HEN", "DOG", "CAT", "STAR", "MOON", "VOID", "NULL", "MARS", "VENUS"}));
    Write("b2.asl", Lines({"Moo", "Cluck", "Woof", "Meow", "Twinkle", "Night light", "Nothing",
                           "Zero", "Red planet", "Morning star"}));
}

DataFolder::~DataFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

void DataFolder::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(path_ + name, std::ios::binary | std::ios::trunc);
    out << bytes;
}

void DataFolder::WriteBitmap(const std::string& name, int width, int height, QRgb colour) const {
    std::filesystem::create_directories(std::filesystem::path(path_ + name).parent_path());
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    if (!image.save(QString::fromStdString(path_ + name), "BMP")) {
        throw std::runtime_error("cannot write " + name);
    }
}

void DataFolder::Remove(const std::string& name) const {
    std::filesystem::remove(path_ + name);
}

std::unique_ptr<Tmain> OpenCatalogue(GameContext& context, int width, int height) {
    auto form = std::make_unique<Tmain>(context);
    form->resize(width, height);
    form->show();
    WaitFor([&] { return form->FormPaintCount() > 0; });
    return form;
}

Tsearcher* OpenedGame(const GameContext& context) {
    return static_cast<Tsearcher*>(context.Forms.searcher.data());
}

} // namespace lexiglade::test
