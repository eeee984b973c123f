// A picture puzzle printed to PDF and rendered: every picture in its place, in columns of 9.
#include "ModalDriver.h"
#include "PdfTools.h"
#include "PrintFixture.h"
#include "PuzzleSetup.h"

#include "library/Paths.h"
#include "platform/GdiBitmap.h"
#include "platform/printer/Printer.h"
#include "print/PrintLayout.h"
#include "print/PrintPage.h"
#include "print/Printdlg.h"

#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace lexiglade::test {

namespace {

// 25 colours far apart: the corners and middles of the colour cube, without white and grey.
std::vector<QRgb> PictureColours() {
    std::vector<QRgb> colours;
    for (int r : {0, 128, 255}) {
        for (int g : {0, 128, 255}) {
            for (int b : {0, 128, 255}) {
                if (!(r == g && g == b && r > 0)) {
                    colours.push_back(qRgb(r, g, b));
                }
            }
        }
    }
    colours.resize(25);
    return colours;
}

int Distance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

// The index of the colour nearest to `pixel`, or -1 when white is nearer than any.
int NearestColour(const std::vector<QRgb>& colours, QRgb pixel) {
    int best = -1;
    int bestDistance = Distance(pixel, qRgb(255, 255, 255));
    for (std::size_t i = 0; i < colours.size(); ++i) {
        if (Distance(pixel, colours[i]) < bestDistance) {
            best = static_cast<int>(i);
            bestDistance = Distance(pixel, colours[i]);
        }
    }
    return best;
}

class PicturePrint : public PrintFixture {
  protected:
    void SetUp() override {
        PrintFixture::SetUp();
        QDir().mkpath(QString::fromStdString(Folder() / "pictures"));
        TextList hints;
        for (std::size_t k = 0; k < colours_.size(); ++k) {
            hints.push_back("Animal" + std::to_string(k) + ".bmp");
            QImage picture(150, 80, QImage::Format_RGB32);
            picture.fill(colours_[k]);
            picture.save(QString::fromStdString(Folder() / "pictures/" + hints.back()), "BMP");
            auto bitmap = std::make_unique<Bitmap>();
            bitmap->LoadFromFile(PicturePath(Folder().Path(), hints.back()));
            pictures_.push_back(std::move(bitmap));
        }
        LoadPuzzle("Animal Pictures", SampleWords(25), hints);
    }

    // The centre of place k's rectangle, in pixels of the page rendered at `dpi`.
    QPoint RenderedCentre(const PageLayout& layout, DevicePoint place, int dpi) const {
        QPrinter& device = DefaultPrinter().Device();
        const QRectF printable = device.pageRect(QPrinter::DevicePixel);
        const double scale = double(dpi) / device.resolution();
        return {int((printable.left() + place.x + layout.pictureWidth / 2.0) * scale),
                int((printable.top() + place.y + layout.pictureHeight / 2.0) * scale)};
    }

    // Place k's rectangle in points of the page.
    QRectF PlaceInPoints(const PageLayout& layout, DevicePoint place) const {
        QPrinter& device = DefaultPrinter().Device();
        const QRectF printable = device.pageRect(QPrinter::DevicePixel);
        const double scale = 72.0 / device.resolution();
        return {(printable.left() + place.x) * scale, (printable.top() + place.y) * scale,
                layout.pictureWidth * scale, layout.pictureHeight * scale};
    }

    std::vector<QImage> Images() const {
        std::vector<QImage> images;
        for (const auto& picture : pictures_) {
            images.push_back(picture->Image());
        }
        return images;
    }

    const std::vector<QRgb> colours_ = PictureColours();
    std::vector<std::unique_ptr<Bitmap>> pictures_;
};

// The game ends while the dialog is open (its pictures freed); the copy still shows them all.
TEST_F(PicturePrint, TwentyFivePicturesPrintNineNineAndSevenInThreeColumns) {
    ModalDriver driver;
    driver.OnDialog([this](QDialog* dialog) {
        auto* form = static_cast<Tprndlg*>(dialog);
        form->Edit1->setText(QStringLiteral("1"));
        pictures_.clear();
        form->OKBtn->click();
    });
    PrintPuzzle(nullptr, Printed(true, CopyPictures(pictures_)));
    const std::vector<std::string> files = PrintedFiles();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_TRUE(PdfText(files[0]).contains(QStringLiteral("Animal Pictures")));
    constexpr int kDpi = 40;
    const QImage page = RenderPage(files[0], Folder().Path(), kDpi);
    ASSERT_FALSE(page.isNull());
    QPrinter& device = DefaultPrinter().Device();
    const PageLayout layout = LayoutPage(device.width(), device.height());
    std::vector<DevicePoint> places = PicturePositions(layout, 28);
    for (std::size_t k = 0; k < places.size(); ++k) {
        const QPoint centre = RenderedCentre(layout, places[k], kDpi);
        const int expected = k < colours_.size() ? static_cast<int>(k) : -1;
        EXPECT_EQ(NearestColour(colours_, page.pixel(centre)), expected) << "place " << k;
    }
}

// The key shows each picture with its word to its right, in three columns across the hint room.
TEST_F(PicturePrint, TheAnswerKeyPutsEachWordBesideItsPicture) {
    PrintCopies({1, false, true}, Printed(true, Images()));
    ASSERT_EQ(PdfPages(Output()), 2);
    constexpr int kDpi = 40;
    const QImage page = RenderPage(Output(), Folder().Path(), kDpi, 2);
    ASSERT_FALSE(page.isNull());
    QPrinter& device = DefaultPrinter().Device();
    const PageLayout layout = LayoutPage(device.width(), device.height());
    const std::vector<DevicePoint> places =
        AnswerPicturePositions(layout, LayoutAnswerKey(layout), 25);
    const std::vector<PdfWord> words = PdfWords(Output(), 2);
    const TextList& answers = OnScreen().LoadedPuzzle.words;
    for (std::size_t k = 0; k < places.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(NearestColour(colours_, page.pixel(RenderedCentre(layout, places[k], kDpi))),
                  static_cast<int>(k));
        const QRectF picture = PlaceInPoints(layout, places[k]);
        const auto word = std::find_if(words.begin(), words.end(), [&](const PdfWord& w) {
            return w.text == QString::fromStdString(answers[k]);
        });
        ASSERT_NE(word, words.end());
        EXPECT_GT(word->box.left(), picture.right());
        EXPECT_LT(word->box.left(), picture.right() + picture.height());
        EXPECT_GT(word->box.center().y(), picture.top());
        EXPECT_LT(word->box.center().y(), picture.bottom());
        if (k + 1 < places.size() && places[k + 1].x > places[k].x) {
            EXPECT_LT(word->box.right(), PlaceInPoints(layout, places[k + 1]).left());
        }
    }
    EXPECT_TRUE(PdfText(Output(), 2).contains(QStringLiteral("Animal Pictures (answers)")));
}

} // namespace

} // namespace lexiglade::test
