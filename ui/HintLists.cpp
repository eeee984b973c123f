#include "ui/HintLists.h"

#include "engine/BoardLayout.h"
#include "library/PictureFiles.h"
#include "platform/LogCategories.h"
#include "platform/Texts.h"
#include "ui/HintCombo.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <cmath>

namespace lexiglade {

namespace {

// A hint's picture, read from the library without following a link. One that cannot be read
// ends the game's start with an error box; the log keeps which file it was and why.
std::unique_ptr<Bitmap> LoadHintPicture(const std::filesystem::path& dataDir,
                                        const std::string& hint) {
    QString where = LibraryText(hint);
    try {
        const PictureFile file = ReadPicture(dataDir, hint);
        where = QString::fromStdString(file.path);
        auto picture = std::make_unique<Bitmap>();
        picture->LoadFromBytes(file.bytes);
        return picture;
    } catch (const std::exception& error) {
        qCWarning(LibraryLog, "Cannot read the picture %s: %s", qPrintable(where), error.what());
        throw;
    }
}

// Whether `text` shows whole in the closed list `width` wide: the text as the list's font draws it
// (1 pixel in from each side of the field), beside the frame, the margins and the arrow.
bool ShowsWhole(const QComboBox& list, int width, const QString& text) {
    constexpr int kTextInset = 1;
    QStyleOptionComboBox option;
    option.initFrom(&list);
    option.rect = QRect(0, 0, width, list.height());
    option.frame = list.hasFrame();
    const QRect field = list.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                     QStyle::SC_ComboBoxEditField, &list);
    const double textWidth = QFontMetricsF(list.font()).horizontalAdvance(text);
    return std::ceil(textWidth) <= field.width() - 2 * kTextInset;
}

} // namespace

HintLists::HintLists(QWidget& form) {
    combo1_ = new QComboBox(&form);
    combo1_->setEditable(false);
    combo1_->setGeometry(15, 201, 144, 24);
    combo1_->hide();
    combo2_ = new HintPictureCombo(hintPictures_, &form);
    combo2_->setGeometry(193, 168, 144, 22);
    combo2_->hide();
}

void HintLists::Reset() {
    combo1_->hide();
    pictureHints_ = false;
}

void HintLists::BuildHintLists(const std::vector<std::string>& hints, bool pictures,
                               const std::filesystem::path& dataDir, int boardLeft,
                               int boardBottom) {
    const int left = boardLeft + Board::kHintListLeft;
    if (pictures) {
        combo1_->hide();
        combo2_->show();
        combo2_->setGeometry(left, boardBottom - Board::kPictureHintsAbove,
                             Board::kPictureHintsWidth, HintPictureCombo::kClosedHeight);
        pictureHints_ = true;
    } else {
        combo1_->show();
        combo2_->hide();
        combo1_->setGeometry(left, boardBottom + Board::kTextHintsBelow, Board::kTextHintsWidth,
                             combo1_->height());
    }
    combo1_->clear();
    combo2_->clear();
    hintPictures_.clear();
    bool fitNarrow = true;
    for (std::size_t i = 0; i < hints.size(); ++i) {
        const std::string& hint = hints[i];
        const QString text = LibraryText(hint);
        combo1_->addItem(text);
        if (pictureHints_) {
            hintPictures_.push_back(LoadHintPicture(dataDir, hint));
            combo2_->addItem(text, static_cast<int>(i));
        }
        fitNarrow = fitNarrow && ShowsWhole(*combo1_, Board::kTextHintsWidth, text);
    }
    if (!fitNarrow) {
        combo1_->resize(Board::kWideTextHintsWidth, combo1_->height());
    }
}

void HintLists::SelectFirst() {
    combo1_->setCurrentIndex(0);
    if (pictureHints_) {
        combo2_->setCurrentIndex(0);
    }
}

void HintLists::RemoveHint(std::int32_t index) {
    combo1_->removeItem(index);
    combo2_->removeItem(index);
}

void HintLists::FreePictures() {
    if (pictureHints_) {
        hintPictures_.clear();
    }
}

} // namespace lexiglade
