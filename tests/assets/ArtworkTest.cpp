// The drawn artwork: sizes and bitmap format, the areas the screens draw over, the words in each
// language, the pictures every picture hint of the library and of the puzzle files names, and
// byte-for-byte repeatable output.
#include "LibraryData.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QTranslator>
#include <QXmlStreamReader>
#include <cmath>
#include <memory>
#include <set>
#include <string>

namespace fs = std::filesystem;

using namespace lexiglade::test;

namespace {

const char* const kScreenFiles[] = {"a1.asl", "a2.asl", "a3.asl", "a4.asl", "a5.asl", "a6.asl"};

const char* const kLanguages[] = {"de", "fr"};

// Draws the artwork into `folder`, in English and `languages` from the game's catalogues.
bool MakeArtwork(const fs::path& folder, const std::string& languages = "de fr") {
    return RunCommand("QT_QPA_PLATFORM=offscreen '" LEXIGLADE_MAKE_ARTWORK "' '" + folder.string() +
                      "' '" LEXIGLADE_TRANSLATIONS_DIR "' " + languages + " 2>/dev/null");
}

QImage Load(const fs::path& file) {
    QImage image;
    image.load(QString::fromStdString(file.string()), "BMP");
    return image;
}

// Bits per pixel from the bitmap file's info header.
int BitsPerPixel(const fs::path& file) {
    const std::string bytes = ReadBytes(file);
    if (bytes.size() < 30 || bytes.substr(0, 2) != "BM") {
        return 0;
    }
    return static_cast<unsigned char>(bytes[28]) | static_cast<unsigned char>(bytes[29]) << 8;
}

// Share of the pixels of `area` for which `test` holds.
template <typename Test> double Share(const QImage& image, const QRect& area, Test test) {
    int hits = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            hits += test(QColor(image.pixel(x, y))) ? 1 : 0;
        }
    }
    return double(hits) / (area.width() * area.height());
}

int Lightness(const QColor& c) {
    return (c.red() * 3 + c.green() * 6 + c.blue()) / 10;
}

class Artwork : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = std::make_unique<TempFolder>();
        made_ = MakeArtwork(fs::path(folder_->Path()));
    }
    static void TearDownTestSuite() { folder_.reset(); }
    void SetUp() override { ASSERT_TRUE(made_) << "make_artwork failed"; }

    static fs::path File(const std::string& name) { return fs::path(folder_->Path()) / name; }

    static inline std::unique_ptr<TempFolder> folder_;
    static inline bool made_ = false;
};

TEST_F(Artwork, ScreenPicturesAre24BitBitmapsOfTheirSizes) {
    const struct {
        const char* file;
        int width;
        int height;
    } cases[] = {{"a1.asl", 40, 35},   {"a2.asl", 110, 150}, {"a3.asl", 600, 424},
                 {"a4.asl", 640, 480}, {"a5.asl", 150, 35},  {"a6.asl", 150, 80}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(BitsPerPixel(File(c.file)), 24);
        const QImage image = Load(File(c.file));
        EXPECT_EQ(image.width(), c.width);
        EXPECT_EQ(image.height(), c.height);
    }
}

// The denser sets are the same pictures drawn at 2 and 4 times the size: shrunk back they are the
// library's own file, give or take the blending of edges, and they hold detail the library's file
// enlarged does not.
TEST_F(Artwork, DenseSetsAreTheScreenPicturesDrawnLarger) {
    for (const char* set : {"2x", "4x"}) {
        const int ratio = set[0] - '0';
        for (const char* file : {"a1.asl", "a2.asl", "a3.asl", "a4.asl", "a5.asl"}) {
            SCOPED_TRACE(std::string(set) + "/" + file);
            const QImage plain = Load(File(file)).convertToFormat(QImage::Format_RGB32);
            const QImage dense = Load(File(std::string(set) + "/" + file));
            ASSERT_EQ(dense.size(), plain.size() * ratio);
            EXPECT_EQ(BitsPerPixel(File(std::string(set) + "/" + file)), 24);
            const QImage shrunk =
                dense.scaled(plain.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_RGB32);
            const QImage enlarged =
                plain.scaled(dense.size()).convertToFormat(QImage::Format_RGB32);
            const auto meanDifference = [](const QImage& a, const QImage& b) {
                double sum = 0;
                for (int y = 0; y < a.height(); ++y) {
                    for (int x = 0; x < a.width(); ++x) {
                        sum += std::abs(Lightness(QColor(a.pixel(x, y))) -
                                        Lightness(QColor(b.pixel(x, y))));
                    }
                }
                return sum / (a.width() * a.height());
            };
            EXPECT_LT(meanDifference(shrunk, plain), 6.0);
            EXPECT_GT(meanDifference(dense, enlarged), 0.5);
        }
    }
}

TEST_F(Artwork, AreasTheScreensDrawOverStayPlain) {
    const QImage catalogue = Load(File("a4.asl"));
    EXPECT_EQ(Share(catalogue, QRect(190, 180, 444, 300), [](QColor c) { return c == Qt::black; }),
              1.0)
        << "the tree, the label and the finder picture stand on the label's own black";
    const QImage board = Load(File("a3.asl"));
    EXPECT_GT(Share(board, QRect(80, 65, 440, 280), [](QColor c) { return Lightness(c) > 215; }),
              0.97)
        << "black letters need a light panel";
    EXPECT_EQ(Share(board, QRect(0, 0, 300, 15), [](QColor c) { return Lightness(c) < 10; }), 1.0);
    EXPECT_EQ(Share(board, QRect(0, 18, 600, 38), [](QColor c) { return Lightness(c) < 60; }), 1.0)
        << "the red title needs a dark band";
    // The picture-hint list stands at (10, height - 60), 170 wide: below the last row of letters
    // (whose cells end 345 rows down) and clear of the light letter panel.
    EXPECT_GE(board.height() - 60, 345);
    EXPECT_EQ(Share(board, QRect(10, board.height() - 60, 170, 60),
                    [](QColor c) { return Lightness(c) > 215; }),
              0.0);
    const QImage icons = Load(File("a5.asl"));
    EXPECT_EQ(Share(icons, QRect(91, 0, 59, 35), [](QColor c) { return c == Qt::black; }), 1.0);
    const QImage canvas = Load(File("a6.asl"));
    EXPECT_EQ(Share(canvas, canvas.rect(), [](QColor c) { return c == Qt::white; }), 1.0);
}

// The catalogue places the tree a third of the screen wide at (190, 180), the 119 x 119 label at
// (195 + tree, 190) and the finder picture below it at (200 + tree, 309). The widest logical screen
// the display scale gives on the common screens is 960 pixels (1920 x 1080 at 2).
TEST_F(Artwork, FrameHoldsTheTreeTheLabelAndTheFinder) {
    constexpr int kWidestTree = 960 / 3;
    const QImage catalogue = Load(File("a4.asl"));
    const QImage finder = Load(File("a2.asl"));
    int inside = 190; // the frame's black inside, from the tree's left edge on
    while (inside < catalogue.width() && catalogue.pixel(inside, 250) == qRgb(0, 0, 0)) {
        ++inside;
    }
    EXPECT_LE(195 + kWidestTree + 119, inside);
    EXPECT_LE(200 + kWidestTree + finder.width(), inside);
    EXPECT_LE(309 + finder.height(), catalogue.height() - 1);
    EXPECT_LT(inside, catalogue.width() - 1) << "the frame has a right edge";
    EXPECT_NE(catalogue.pixel(300, 174), qRgb(0, 0, 0)) << "the frame has a top edge";
}

TEST_F(Artwork, HotspotPicturesAreDrawnWhereTheHotspotsAre) {
    const QImage catalogue = Load(File("a4.asl"));
    const QColor ground(catalogue.pixel(150, 200)); // the plain ground beside the buttons
    const auto drawn = [&](QColor c) { return c != ground; };
    const struct {
        QRect hotspot;
        const char* name;
    } cases[] = {{QRect(0, 440, 40, 39), "exit"},
                 {QRect(0, 210, 110, 90), "wizard"},
                 {QRect(0, 310, 140, 85), "options"}};
    for (const auto& c : cases) {
        EXPECT_GT(Share(catalogue, c.hotspot, drawn), 0.5) << c.name;
    }
    const QImage icons = Load(File("a5.asl"));
    for (const QRect& hotspot : {QRect(0, 0, 40, 35), QRect(50, 0, 40, 35)}) {
        EXPECT_GT(Share(icons, hotspot, [](QColor c) { return c != Qt::black; }), 0.6);
    }
}

// Where each word stands in the library's files; white words on tiles are clipped at the area's
// sides when they do not fit.
const struct WordPlace {
    const char* file;
    QRect area;
    const char* source;
    const char* disambiguation = nullptr;
    bool onTile = false;
} kWordPlaces[] = {
    {"a4.asl", QRect(12, 100, 616, 32), "Word Search Puzzles"},
    {"a4.asl", QRect(12, 132, 616, 24), "Find every hidden word!"},
    {"a4.asl", QRect(8, 266, 96, 28), "Create", nullptr, true},
    {"a4.asl", QRect(8, 364, 96, 28), "Options", nullptr, true},
    {"a4.asl", QRect(3, 462, 35, 15), "Exit", nullptr, true},
    {"a3.asl", QRect(190, 362, 406, 60), "Find the word of every hint"},
    {"a3.asl", QRect(14, 74, 44, 226), "FIND"},
    {"a3.asl", QRect(542, 74, 46, 226), "WORD"},
    {"a2.asl", QRect(20, 24, 90, 64), "WORD", "ringed in the letter grid"},
    {"a1.asl", QRect(1, 20, 38, 15), "End", nullptr, true},
    {"a5.asl", QRect(1, 20, 38, 15), "Setup", nullptr, true},
    {"a5.asl", QRect(51, 20, 38, 15), "Print", nullptr, true},
};

// A language's set is the English one at every density but where a word is translated, and each
// word fits its place whole.
TEST_F(Artwork, EachLanguageChangesOnlyItsWordsAndFitsThem) {
    for (const char* language : kLanguages) {
        QTranslator catalogue;
        ASSERT_TRUE(catalogue.load(QString(LEXIGLADE_TRANSLATIONS_DIR "/lexiglade_") + language));
        for (const std::string set : {"", "2x/", "4x/"}) {
            const int ratio = set.empty() ? 1 : set[0] - '0';
            for (const char* file : {"a1.asl", "a2.asl", "a3.asl", "a4.asl", "a5.asl"}) {
                SCOPED_TRACE(std::string(language) + "/" + set + file);
                QImage english = Load(File(set + file));
                QImage spoken = Load(File(language + ("/" + set) + file));
                ASSERT_EQ(spoken.size(), english.size());
                EXPECT_EQ(BitsPerPixel(File(language + ("/" + set) + file)), 24);
                for (const WordPlace& place : kWordPlaces) {
                    if (std::string(place.file) != file) {
                        continue;
                    }
                    const QRect area(place.area.topLeft() * ratio, place.area.size() * ratio);
                    const QString word =
                        catalogue.translate("Artwork", place.source, place.disambiguation);
                    ASSERT_FALSE(word.isEmpty()) << place.source;
                    EXPECT_EQ(english.copy(area) != spoken.copy(area), word != place.source)
                        << place.source;
                    for (const int x : {area.left(), area.right()}) {
                        EXPECT_FALSE(place.onTile &&
                                     Share(spoken, QRect(x, area.top(), 1, area.height()),
                                           [](QColor c) { return Lightness(c) > 230; }) > 0)
                            << word.toStdString() << " is cut off";
                    }
                    for (QImage* image : {&english, &spoken}) {
                        QPainter(image).fillRect(area, Qt::black);
                    }
                }
                EXPECT_TRUE(english == spoken) << "a change beside the words";
            }
        }
    }
}

TEST_F(Artwork, EveryPictureHintHasAColourPictureOnTheCanvas) {
    std::vector<Puzzle> puzzles = LoadPuzzles();
    for (const PuzzleFile& file : ReadPuzzleFiles()) {
        puzzles.push_back(file.puzzle);
    }
    std::set<std::string> named;
    for (const Puzzle& puzzle : puzzles) {
        if (IsPicturePuzzle(puzzle)) {
            named.insert(puzzle.hints.begin(), puzzle.hints.end());
        }
    }
    ASSERT_FALSE(named.empty());
    for (const std::string& name : named) {
        SCOPED_TRACE(name);
        const fs::path file = File("pictures") / name;
        ASSERT_TRUE(fs::exists(file));
        EXPECT_EQ(BitsPerPixel(file), 24);
        const QImage image = Load(file);
        ASSERT_EQ(image.size(), QSize(150, 80));
        EXPECT_EQ(QColor(image.pixel(0, 0)), Qt::white);
        EXPECT_GT(Share(image, image.rect(), [](QColor c) { return c != Qt::white; }), 0.12);
        EXPECT_GT(Share(image, image.rect(), [](QColor c) { return c.hsvSaturation() > 40; }), 0.01)
            << "a picture in colour, not in greys alone";
    }
    std::set<std::string> drawn;
    for (const auto& entry : fs::directory_iterator(File("pictures"))) {
        drawn.insert(entry.path().filename().string());
    }
    EXPECT_EQ(drawn, named) << "every picture drawn is named by a hint, and no other";
}

TEST_F(Artwork, SecondRunWritesTheSameBytes) {
    TempFolder again;
    ASSERT_TRUE(MakeArtwork(fs::path(again.Path())));
    for (const char* name : kScreenFiles) {
        EXPECT_EQ(ReadBytes(fs::path(again.Path()) / name), ReadBytes(File(name))) << name;
    }
    for (const char* folder : {"pictures", "icons"}) {
        for (const auto& entry : fs::directory_iterator(File(folder))) {
            const fs::path name = entry.path().filename();
            EXPECT_EQ(ReadBytes(fs::path(again.Path()) / folder / name), ReadBytes(entry.path()))
                << name;
        }
    }
}

TEST_F(Artwork, TheAppIconIsDrawnAtEveryMenuSizeOnATransparentGround) {
    for (const int size : {48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const fs::path file = File("icons") / ("lexiglade-" + std::to_string(size) + ".png");
        QImage icon;
        ASSERT_TRUE(icon.load(QString::fromStdString(file.string()), "PNG"));
        EXPECT_EQ(icon.size(), QSize(size, size));
        ASSERT_TRUE(icon.hasAlphaChannel());
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255);
        const QRect inner(size / 8, size / 8, size * 3 / 4, size * 3 / 4);
        EXPECT_GT(Share(icon, inner, [](QColor c) { return Lightness(c) > 200; }), 0.25)
            << "light letter tiles";
        EXPECT_GT(Share(icon, inner, [](QColor c) { return Lightness(c) < 90; }), 0.1)
            << "dark ground and ink";
    }
}

// The scalable icon holds the shapes of the PNG files: its ground has the PNG's ground colour.
TEST_F(Artwork, TheScalableIconIsAnSvgOfTheSameShapes) {
    QXmlStreamReader svg(QByteArray::fromStdString(ReadBytes(File("icons") / "lexiglade.svg")));
    ASSERT_TRUE(svg.readNextStartElement());
    EXPECT_EQ(svg.name(), QStringLiteral("svg"));
    EXPECT_EQ(svg.namespaceUri(), QStringLiteral("http://www.w3.org/2000/svg"));
    EXPECT_EQ(svg.attributes().value("viewBox"), QStringLiteral("0 0 256 256"));
    int rects = 0;
    int lines = 0;
    QString ground;
    while (svg.readNextStartElement()) {
        const QXmlStreamAttributes a = svg.attributes();
        if (svg.name() == QStringLiteral("rect")) {
            if (rects++ == 0) {
                ground = a.value("fill").toString();
            }
            const double x = a.value("x").toDouble(), w = a.value("width").toDouble();
            if (!a.hasAttribute("transform")) {
                EXPECT_TRUE(x >= 0 && x + w <= 256) << x << " " << w;
            }
        } else if (svg.name() == QStringLiteral("polyline")) {
            ++lines;
            for (const QString& point : a.value("points").toString().split(' ')) {
                for (const QString& v : point.split(',')) {
                    EXPECT_TRUE(v.toDouble() > 0 && v.toDouble() < 256) << v.toStdString();
                }
            }
        }
        svg.skipCurrentElement();
    }
    EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
    EXPECT_EQ(rects, 1 + 9 + 2); // ground, nine tiles, the found word's fill and rim
    EXPECT_GE(lines, 9);
    QImage icon;
    ASSERT_TRUE(icon.load(QString::fromStdString((File("icons") / "lexiglade-256.png").string())));
    EXPECT_EQ(QColor(icon.pixel(16, 128)).name(), ground);
}

TEST(MakeArtwork, RefusesAMissingOrUnwritableFolderArgument) {
    EXPECT_FALSE(RunCommand("QT_QPA_PLATFORM=offscreen '" LEXIGLADE_MAKE_ARTWORK "' 2>/dev/null"));
    TempFolder folder;
    WriteBytes(fs::path(folder.Path()) / "file", "x");
    EXPECT_FALSE(MakeArtwork(fs::path(folder.Path()) / "file" / "out"));
}

TEST(MakeArtwork, RefusesALanguageWithoutTheArtworksWords) {
    TempFolder folder;
    const std::string command = "QT_QPA_PLATFORM=offscreen '" LEXIGLADE_MAKE_ARTWORK "' '" +
                                folder / "out" + "' '" + folder.Path() + "' es 2>/dev/null";
    EXPECT_FALSE(RunCommand(command)) << "no catalogue lexiglade_es.qm";
    // A catalogue in Qt's format that holds no translation.
    WriteBytes(folder / "lexiglade_es.qm",
               "\x3c\xb8\x64\x18\xca\xef\x9c\x95\xcd\x21\x1c\xbf\x60\xa1\xbd\xdd");
    EXPECT_FALSE(RunCommand(command));
}

} // namespace
