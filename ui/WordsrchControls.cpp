// The puzzle screen's controls: the hint lists that mirror the session's, the hidden buttons,
// and the print hotspot's hand-over.
#include "ui/Wordsrch.h"

#include "library/PictureFiles.h"
#include "platform/Handlers.h"
#include "platform/LogCategories.h"
#include "platform/Texts.h"
#include "print/Printdlg.h"
#include "ui/Drawkit.h"
#include "ui/GameContext.h"
#include "ui/HintCombo.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTimer>

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

void Tsearcher::CreateControls() {
    Combo1 = new QComboBox(this);
    Combo1->setEditable(false);
    Combo1->setGeometry(15, 201, 144, 24);
    Combo1->hide();
    Combo2 = new HintPictureCombo(HintPictures, this);
    Combo2->setGeometry(193, 168, 144, 22);
    Combo2->hide();
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, Guarded([this] { Timer1Timer(); }));
    Timer1->start();
    Button1 = new QPushButton(QStringLiteral("Button1"), this);
    Button1->setGeometry(70, 8, 32, 29);
    Button1->hide();
    connect(Button1, &QPushButton::clicked, this, &Tsearcher::Button1Click);
    Button2 = new QPushButton(QStringLiteral("Button2"), this);
    Button2->setGeometry(72, 40, 32, 30);
    Button2->hide();
    connect(Button2, &QPushButton::clicked, this, &Tsearcher::Button2Click);
    Label1 = new QLabel(QStringLiteral("Label1"), this);
    Label1->setGeometry(109, 27, 58, 17);
    Label1->setStyleSheet(QStringLiteral("QLabel { background: yellow; }"));
    Label1->hide();
    CreateHotspotKeys();
}

void Tsearcher::PlaceBoard(const Bitmap& board) {
    const DrawkitState& kit = kit_;
    const BoardOrigin origin =
        BoardOriginFor(kit.ScreenWidth, kit.ScreenHeight, board.Width(), board.Height());
    BoardLeft = origin.left;
    BoardTop = origin.top;
    BoardWidth = board.Width();
    BoardHeight = board.Height();
}

// The hint lists mirror the session's: text hints in Combo1, pictures also in Combo2.
void Tsearcher::BuildHintLists() {
    const std::vector<std::string>& hints = Session.Hints();
    const int left = BoardLeft + Board::HintListLeft;
    const int bottom = BoardTop + BoardHeight;
    if (Session.PictureHints()) {
        Combo1->hide();
        Combo2->show();
        Combo2->setGeometry(left, bottom - Board::PictureHintsAbove, Board::PictureHintsWidth,
                            HintPictureCombo::ClosedHeight);
        PictureHints = true;
    } else {
        Combo1->show();
        Combo2->hide();
        Combo1->setGeometry(left, bottom + Board::TextHintsBelow, Board::TextHintsWidth,
                            Combo1->height());
    }
    Combo1->clear();
    Combo2->clear();
    HintPictures.clear();
    bool fitNarrow = true;
    for (std::size_t i = 0; i < hints.size(); ++i) {
        const std::string& hint = hints[i];
        const QString text = LibraryText(hint);
        Combo1->addItem(text);
        if (PictureHints) {
            HintPictures.push_back(LoadHintPicture(state_.DataDir, hint));
            Combo2->addItem(text, static_cast<int>(i));
        }
        fitNarrow = fitNarrow && ShowsWhole(*Combo1, Board::TextHintsWidth, text);
    }
    if (!fitNarrow) {
        Combo1->resize(Board::WideTextHintsWidth, Combo1->height());
    }
}

// The print dialog's answer is kept in the shared state, the last fresh grid printed in the game.
void Tsearcher::PrintHotspot() {
    GameState& state = state_;
    state.CopyCount = 0;
    state.UniqueCopies = false;
    const LoadedPuzzle& puzzle = puzzle_;
    const PrintedPuzzle printed{
        .title = puzzle.title,
        .words = puzzle.words,
        .hints = puzzle.hints,
        .backwardWords = Session.Options().backwardWords,
        .pictureHints = PictureHints,
        .pictures = PictureHints ? CopyPictures(HintPictures) : std::vector<QImage>(),
        .grids = Session.Grids(),
    };
    const PrintOutcome outcome = PrintPuzzle(this, printed);
    if (!outcome.freshGrids.empty()) {
        Session.KeepPrintGrid(outcome.freshGrids.back());
    }
    state.CopyCount = outcome.choice.copies;
    state.UniqueCopies = outcome.choice.unique;
}

void Tsearcher::Button1Click() {
    if (SelectionColour > 0) {
        --SelectionColour;
    }
    Label1->setText(QString::number(SelectionColour));
}

void Tsearcher::Button2Click() {
    if (SelectionColour < 255) {
        ++SelectionColour;
    }
    Label1->setText(QString::number(SelectionColour));
}

} // namespace lexiglade
