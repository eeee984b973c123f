#include "ui/Wordsrch.h"

#include "app/SharedState.h"
#include "engine/Random.h"
#include "library/LibraryFiles.h"
#include "library/PictureFiles.h"
#include "media/Music.h"
#include "platform/Handlers.h"
#include "platform/MessageBoxes.h"
#include "platform/Texts.h"
#include "print/Printdlg.h"
#include "ui/Drawkit.h"
#include "ui/HintCombo.h"
#include "ui/PuzzleDrawing.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <exception>

namespace lexiglade {

namespace {

// Whether p lies in the hotspot placed at the board picture's bottom-right corner.
bool InHotspot(const Tsearcher& form, const BoxOffsets& hotspot, Point p) {
    return hotspot.Holds(form.BoardLeft + form.BoardWidth, form.BoardTop + form.BoardHeight, p);
}

} // namespace

HandlerScope::HandlerScope(Tsearcher& form) : form_(form) {
    ++form_.handlersRunning_;
}

HandlerScope::~HandlerScope() {
    if (--form_.handlersRunning_ == 0 && form_.releaseRequested_) {
        form_.deleteLater();
    }
}

Tsearcher::Tsearcher(QWidget* parent) : SurfaceForm(parent) {
    setWindowTitle(QStringLiteral("Lexiglade Puzzle"));
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(ToQFont(SystemFont()));
    CreateControls();
    MPlayer.OnNotify = Guarded([this] { MPlayerNotify(); });
}

Tsearcher::~Tsearcher() {
    if (Kit().DrawWindow == this) {
        Kit().DrawWindow = nullptr;
    }
}

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
}

void Tsearcher::PlaceBoard(const Bitmap& board) {
    const DrawkitState& kit = Kit();
    const BoardOrigin origin =
        BoardOriginFor(kit.ScreenWidth, kit.ScreenHeight, board.Width(), board.Height());
    BoardLeft = origin.left;
    BoardTop = origin.top;
    BoardWidth = board.Width();
    BoardHeight = board.Height();
}

void Tsearcher::FormPaint() {
    HandlerScope scope(*this);
    Kit().DrawWindow = this;
    if (firstPaintFailed_) {
        return; // the game is ending; its error has been shown
    }
    if (!Shared().NewGame) {
        DrawScreen();
    } else {
        try {
            FirstPaintActions();
            DrawScreen();
        } catch (const std::exception& error) {
            FirstPaintFailed(ErrorText(error));
            return;
        }
    }
    StartMusic();
}

// Steps 3 to 12 of every paint: artwork, letters and title, then the saved capsules.
void Tsearcher::DrawScreen() {
    SharedState& state = Shared();
    DeviceContext dc(Surface());
    SelectedPalette palette(dc);
    dc.SelectObject(CreateSolidBrush(PaletteColour(PaletteRole::Background)));
    dc.SelectObject(CreatePen(PS_SOLID, 1, PaletteColour(PaletteRole::Background)));
    dc.Rectangle(0, 0, width(), height());
    Bitmap board;
    board.LoadFromFile(ShippedFile(LibraryFiles::BoardPicture));
    PlaceBoard(board);
    DrawArtwork(dc, Origin(), board);
    SelectionColour = PaletteRole::Selection;
    DrawLetters(dc, Origin(), Session.Grids().LetterGrid);
    DrawTitle(dc, Kit().ScreenWidth / 2, Origin(), ShownTitle);
    if (state.NewGame) {
        state.NewGame = false;
        SaveScreen();
    }
    RestoreScreen();
}

// A game that cannot start reports why once, then ends and the catalogue is back.
void Tsearcher::FirstPaintFailed(const QString& error) {
    firstPaintFailed_ = true;
    Shared().NewGame = false;
    QTimer::singleShot(0, this, [this, error] {
        HandlerScope scope(*this);
        ShowErrorBox(error);
        EndGame();
    });
}

void Tsearcher::FirstPaintActions() {
    const SharedState& state = Shared();
    Combo1->hide();
    PictureHints = false;
    ShownTitle = state.LoadedPuzzle.title;
    Bitmap board;
    board.LoadFromFile(ShippedFile(LibraryFiles::BoardPicture));
    PlaceBoard(board);
    Session.Start(state.LoadedPuzzle, state.GameOptions);
    BuildHintLists();
    Combo1->setCurrentIndex(0);
    if (PictureHints) {
        Combo2->setCurrentIndex(0);
    }
    MusicTrack = MusicTracks[static_cast<std::size_t>(RandomBelow(MusicTrackCount))];
    Timer1->start();
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
    std::size_t longest = 0;
    for (std::size_t i = 0; i < hints.size(); ++i) {
        const std::string& hint = hints[i];
        const QString text = LibraryText(hint);
        Combo1->addItem(text);
        if (PictureHints) {
            auto picture = std::make_unique<Bitmap>();
            picture->LoadFromBytes(ReadPicture(Shared().DataDir, hint).bytes); // never via a link
            HintPictures.push_back(std::move(picture));
            Combo2->addItem(text, static_cast<int>(i));
        }
        longest = std::max(longest, hint.size());
    }
    if (longest > Board::LongestNarrowHint) {
        Combo1->resize(Board::WideTextHintsWidth, Combo1->height());
    }
}

// The track is looked up among the shipped files, so music plays whatever the current directory.
void Tsearcher::StartMusic() {
    lexiglade::StartMusic(MPlayer, Shared().GameOptions.musicOn, Session.GameOver(),
                          ShippedFile(MusicTrack));
}

void Tsearcher::MPlayerNotify() {
    if (RestartsMusic(MPlayer, Shared().GameOptions.musicOn)) {
        StartMusic();
    }
}

void Tsearcher::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    FormMouseDown(event->button(), at.x(), at.y());
}

void Tsearcher::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    FormMouseMove(at.x(), at.y());
}

void Tsearcher::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    FormMouseUp(event->button(), at.x(), at.y());
}

void Tsearcher::FormMouseDown(Qt::MouseButton button, int x, int y) {
    HandlerScope scope(*this);
    if (InHotspot(*this, Board::EndGameHotspot, {x, y})) {
        EndGame();
    }
    if (InHotspot(*this, Board::PrintHotspot, {x, y})) {
        PrintHotspot();
    }
    if (InHotspot(*this, Board::PrinterSetupHotspot, {x, y})) {
        RunPrinterSetup(this);
    }
    if (button == Qt::LeftButton) {
        BeginSelection(x, y);
    }
}

// The print dialog's answer is kept in the shared state; printing reads the game handed to it.
void Tsearcher::PrintHotspot() {
    SharedState& state = Shared();
    state.CopyCount = 0;
    state.UniqueCopies = false;
    const LoadedPuzzle& puzzle = state.LoadedPuzzle;
    const PrintedPuzzle printed{
        puzzle.title,    puzzle.words,
        puzzle.hints,    Session.Options().backwardWords,
        PictureHints,    PictureHints ? CopyPictures(HintPictures) : std::vector<QImage>(),
        &Session.Grids()};
    const PrintChoice choice = PrintPuzzle(this, printed);
    state.CopyCount = choice.copies;
    state.UniqueCopies = choice.unique;
}

void Tsearcher::FormMouseMove(int x, int y) {
    HandlerScope scope(*this);
    if (Session.SelectionActive()) {
        TrackSelection(x, y);
    }
}

void Tsearcher::FormMouseUp(Qt::MouseButton button, int x, int y) {
    HandlerScope scope(*this);
    if (Session.SelectionActive() && button == Qt::LeftButton) {
        EndSelection(x, y);
    }
}

// Closing the window from its title bar ends the game.
void Tsearcher::closeEvent(QCloseEvent* event) {
    HandlerScope scope(*this);
    EndGame();
    event->accept();
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

void Tsearcher::EndGame() {
    if (releaseRequested_) {
        return; // this game has ended already
    }
    Session.EndGame();
    if (Shared().GameOptions.musicOn) {
        StopMusic(MPlayer); // neither step fails without an open device
    }
    Timer1->stop();
    if (PictureHints) {
        HintPictures.clear();
    }
    releaseRequested_ = true;
    if (handlersRunning_ == 0) {
        deleteLater();
    }
}

} // namespace lexiglade
