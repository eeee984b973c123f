// The puzzle screen's controls: the hint lists that mirror the session's, the hidden buttons,
// and the print hotspot's hand-over.
#include "ui/Wordsrch.h"

#include "platform/Handlers.h"
#include "print/Printdlg.h"
#include "ui/Drawkit.h"
#include "ui/GameContext.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace lexiglade {

void Tsearcher::CreateControls() {
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
    Hints.BuildHintLists(Session.Hints(), Session.PictureHints(), state_.DataDir, BoardLeft,
                         BoardTop + BoardHeight);
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
        .pictureHints = Hints.PictureHints(),
        .pictures =
            Hints.PictureHints() ? CopyPictures(Hints.HintPictures()) : std::vector<QImage>(),
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
