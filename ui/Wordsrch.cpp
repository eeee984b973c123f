#include "ui/Wordsrch.h"

#include "app/SharedState.h"
#include "engine/Random.h"
#include "library/LibraryFiles.h"
#include "media/Music.h"
#include "platform/Handlers.h"
#include "platform/MessageBoxes.h"
#include "platform/Texts.h"
#include "platform/audio/AudioOutput.h"
#include "ui/Drawkit.h"
#include "ui/HintCombo.h"
#include "ui/PuzzleDrawing.h"
#include "ui/ScreenArtwork.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QMouseEvent>
#include <QTimer>

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
    setWindowTitle(tr("Lexiglade Puzzle"));
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(ToQFont(SystemFont()));
    CreateControls();
    SetUpKeyboardPlay();
    MPlayer.OnNotify = Guarded([this] { MPlayerNotify(); });
}

Tsearcher::~Tsearcher() {
    if (Kit().DrawWindow == this) {
        Kit().DrawWindow = nullptr;
    }
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
    DrawInputMarks();
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
    LoadScreenArtwork(board, LibraryFiles::BoardPicture, dc.Surface().devicePixelRatio());
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
    if (state.GameOptions.musicOn) {
        AudioOutput::PrepareMusic(); // read while the game is set up, if no catalogue asked first
    }
    Combo1->hide();
    PictureHints = false;
    ShownTitle = state.LoadedPuzzle.title;
    Bitmap board;
    LoadScreenArtwork(board, LibraryFiles::BoardPicture, Surface().devicePixelRatio());
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
