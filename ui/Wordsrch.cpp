#include "ui/Wordsrch.h"

#include "engine/Random.h"
#include "library/LibraryFiles.h"
#include "media/Music.h"
#include "platform/Handlers.h"
#include "platform/MessageBoxes.h"
#include "platform/Texts.h"
#include "platform/audio/AudioOutput.h"
#include "ui/Drawkit.h"
#include "ui/GameContext.h"
#include "ui/HintCombo.h"
#include "ui/PuzzleDrawing.h"
#include "ui/ScreenArtwork.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QMouseEvent>
#include <QTimer>

#include <exception>
#include <utility>

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

Tsearcher::Tsearcher(GameState& state, DrawkitState& kit, LoadedPuzzle puzzle, QWidget* parent)
    : SurfaceForm(parent), state_(state), kit_(kit), puzzle_(std::move(puzzle)),
      painter_(*this, kit) {
    setWindowTitle(tr("Lexiglade Puzzle"));
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(ToQFont(SystemFont()));
    CreateControls();
    SetUpKeyboardPlay();
    MPlayer.OnNotify = Guarded([this] { MPlayerNotify(); });
}

Tsearcher::~Tsearcher() {
    if (kit_.DrawWindow == this) {
        kit_.DrawWindow = nullptr;
    }
}

void Tsearcher::FormPaint() {
    HandlerScope scope(*this);
    kit_.DrawWindow = this;
    if (firstPaintFailed_) {
        return; // the game is ending; its error has been shown
    }
    if (!newGame_) {
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
    DrawInputMarks();
    StartMusic();
}

// Steps 3 to 12 of every paint: artwork, letters and title, then the saved capsules.
void Tsearcher::DrawScreen() {
    DeviceContext dc(Surface());
    SelectedPalette palette(dc, kit_.PaletteHandle);
    dc.SelectObject(CreateSolidBrush(kit_.PaletteColour(PaletteRole::Background)));
    dc.SelectObject(CreatePen(PS_SOLID, 1, kit_.PaletteColour(PaletteRole::Background)));
    dc.Rectangle(0, 0, width(), height());
    Bitmap board;
    LoadScreenArtwork(board, state_.Folders(), LibraryFiles::BoardPicture,
                      dc.Surface().devicePixelRatio());
    PlaceBoard(board);
    DrawArtwork(dc, state_.Folders(), Origin(), board);
    SelectionColour = PaletteRole::Selection;
    DrawLetters(kit_, dc, Origin(), Session.Grids().LetterGrid);
    DrawTitle(kit_, dc, kit_.ScreenWidth / 2, Origin(), ShownTitle);
    if (newGame_) {
        newGame_ = false;
        kit_.SaveScreen();
    }
    kit_.RestoreScreen();
}

// A game that cannot start reports why once, then ends and the catalogue is back.
void Tsearcher::FirstPaintFailed(const QString& error) {
    firstPaintFailed_ = true;
    newGame_ = false;
    QTimer::singleShot(0, this, [this, error] {
        HandlerScope scope(*this);
        ShowErrorBox(error);
        EndGame();
    });
}

void Tsearcher::FirstPaintActions() {
    if (state_.GameOptions.musicOn) {
        AudioOutput::PrepareMusic(); // read while the game is set up, if no catalogue asked first
    }
    Combo1->hide();
    PictureHints = false;
    ShownTitle = puzzle_.title;
    Bitmap board;
    LoadScreenArtwork(board, state_.Folders(), LibraryFiles::BoardPicture,
                      Surface().devicePixelRatio());
    PlaceBoard(board);
    Session.Start(puzzle_, state_.GameOptions);
    BuildHintLists();
    Combo1->setCurrentIndex(0);
    if (PictureHints) {
        Combo2->setCurrentIndex(0);
    }
    MusicTrack = MusicTracks[static_cast<std::size_t>(RandomBelow(MusicTrackCount))];
    Timer1->start();
}

// The track is looked up among the shipped files, so music plays whatever the current directory.
void Tsearcher::StartMusic() {
    lexiglade::StartMusic(MPlayer, state_.GameOptions.musicOn, Session.GameOver(),
                          state_.ShippedFile(MusicTrack));
}

void Tsearcher::MPlayerNotify() {
    if (RestartsMusic(MPlayer, state_.GameOptions.musicOn)) {
        StartMusic();
    }
}

void Tsearcher::mousePressEvent(QMouseEvent* event) {
    const QPoint at = PixelUnderMouse(*event);
    FormMouseDown(event->button(), at.x(), at.y());
}

void Tsearcher::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = PixelUnderMouse(*event);
    FormMouseMove(at.x(), at.y());
}

void Tsearcher::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = PixelUnderMouse(*event);
    FormMouseUp(event->button(), at.x(), at.y());
}

void Tsearcher::FormMouseDown(Qt::MouseButton button, int x, int y) {
    HandlerScope scope(*this);
    if (InHotspot(*this, Board::EndGameHotspot, {x, y})) {
        EndGameHotspot();
    }
    if (InHotspot(*this, Board::PrintHotspot, {x, y})) {
        PrintHotspot();
    }
    if (InHotspot(*this, Board::PrinterSetupHotspot, {x, y})) {
        PrinterSetupHotspot();
    }
    if (OpenSelectionTakesPress(button, x, y)) {
        return;
    }
    if (button == Qt::LeftButton && BeginSelection(x, y)) {
        Input.DragBegan();
    }
}

void Tsearcher::FormMouseMove(int x, int y) {
    HandlerScope scope(*this);
    if (Session.SelectionActive() && Input.PointerMoved(AnchorPoint(Session.Selection()), {x, y})) {
        TrackSelection(x, y);
    }
}

void Tsearcher::FormMouseUp(Qt::MouseButton button, int x, int y) {
    HandlerScope scope(*this);
    if (Session.SelectionActive() && button == Qt::LeftButton &&
        Input.LeftReleaseEnds(AnchorPoint(Session.Selection()), {x, y})) {
        FinishSelection(x, y);
    }
}

// Closing the window from its title bar ends the game.
void Tsearcher::closeEvent(QCloseEvent* event) {
    HandlerScope scope(*this);
    EndGame();
    event->accept();
}

void Tsearcher::EndGame() {
    if (releaseRequested_) {
        return; // this game has ended already
    }
    Session.EndGame();
    if (state_.GameOptions.musicOn) {
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
