#include "ui/Wordsrch.h"

#include "app/SharedState.h"
#include "engine/Grid.h"
#include "engine/Random.h"
#include "library/Paths.h"
#include "library/PictureFiles.h"
#include "media/Music.h"
#include "platform/GdiFont.h"
#include "platform/Handlers.h"
#include "platform/MessageBoxes.h"
#include "platform/Texts.h"
#include "print/Printdlg.h"
#include "ui/Drawkit.h"
#include "ui/HintCombo.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <array>
#include <exception>

namespace lexiglade {

namespace {

constexpr std::array<const char*, 7> kMusicTracks = {
    "arc1.mid", "arc3.mid", "arc4.mid", "arc5.mid", "arc8.mid", "arc10.mid", "arc11.mid"};

Font SystemFont() {
    return CreateFont("System", -13);
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
    SetUpKeyboardPlay();
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

void Tsearcher::PlaceBoard(int width, int height) {
    const DrawkitState& kit = Kit();
    BoardLeft = kit.ScreenWidth > 640 ? kit.ScreenWidth / 2 - width / 2 : 0;
    BoardTop = kit.ScreenHeight > 480 ? kit.ScreenHeight / 2 - height / 2 : 0;
    BoardWidth = width;
    BoardHeight = height;
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
    dc.SelectObject(CreateSolidBrush(PaletteColour(69)));
    dc.SelectObject(CreatePen(PS_SOLID, 1, PaletteColour(69)));
    dc.Rectangle(0, 0, width(), height());
    DrawArtwork(dc);
    SelectionColour = 27;
    DrawLetters(dc);
    DrawTitle(dc);
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
    SharedState& state = Shared();
    ElapsedSeconds = 0;
    Combo1->hide();
    PictureHints = false;
    ShownTitle = state.LoadedPuzzle.title;
    Bitmap board;
    board.LoadFromFile(ShippedFile("a3.asl"));
    PlaceBoard(board.Width(), board.Height());
    GenerateGrid(state.Grids, state.LoadedPuzzle.words, state.GameOptions.backwardWords,
                 [this] { BuildHintLists(); });
    retired_.assign(state.Grids.PlacedWords.size(), false);
    Combo1->setCurrentIndex(0);
    if (PictureHints) {
        Combo2->setCurrentIndex(0);
    }
    GameOver = false;
    MusicTrack = kMusicTracks[static_cast<std::size_t>(RandomBelow(7))];
    Timer1->start();
}

void Tsearcher::BuildHintLists() {
    const LoadedPuzzle& puzzle = Shared().LoadedPuzzle;
    const int bottom = BoardTop + BoardHeight;
    if (ListItem(puzzle.hints, 0).find('.') != std::string::npos) {
        Combo1->hide();
        Combo2->show();
        Combo2->setGeometry(BoardLeft + 10, bottom - 60, 170, HintPictureCombo::ClosedHeight);
        PictureHints = true;
    } else {
        Combo1->show();
        Combo2->hide();
        Combo1->setGeometry(BoardLeft + 10, bottom + 5, 144, Combo1->height());
    }
    Combo1->clear();
    Combo2->clear();
    HintPictures.clear();
    std::size_t longest = 0;
    for (std::size_t i = 0; i < puzzle.words.size(); ++i) {
        const std::string& hint = ListItem(puzzle.hints, static_cast<std::int64_t>(i));
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
    if (longest > 22) {
        Combo1->resize(375, Combo1->height());
    }
}

void Tsearcher::DrawArtwork(DeviceContext& dc) {
    Bitmap board;
    board.LoadFromFile(ShippedFile("a3.asl"));
    PlaceBoard(board.Width(), board.Height());
    dc.BitBlt(BoardLeft, BoardTop, BoardWidth, BoardHeight, board, 0, 0, SRCCOPY);
    const int right = BoardLeft + BoardWidth;
    const int bottom = BoardTop + BoardHeight;
    Bitmap endGame;
    endGame.LoadFromFile(ShippedFile("a1.asl"));
    dc.BitBlt(right, bottom, endGame.Width(), endGame.Height(), endGame, 0, 0, SRCCOPY);
    Bitmap printing;
    printing.LoadFromFile(ShippedFile("a5.asl"));
    dc.BitBlt(right - 150, bottom, printing.Width(), printing.Height(), printing, 0, 0, SRCCOPY);
}

void Tsearcher::DrawLetters(DeviceContext& dc) {
    const Grid& grid = Shared().Grids.LetterGrid;
    dc.SelectObject(SystemFont());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(TA_CENTER | TA_TOP);
    dc.SetTextColor(PaletteColour(69));
    for (int c = 0; c < GridColumns; ++c) {
        for (int r = 0; r < GridRows; ++r) {
            const char letter = grid.at({c, r});
            dc.TextOutA(BoardLeft + 90 + 20 * c, BoardTop + 70 + 18 * r,
                        std::string_view(&letter, letter == 0 ? 0 : 1));
        }
    }
    dc.SetBkMode(OPAQUE);
}

// The title is centred on half the catalogue's width, with its shadow one pixel left and down.
void Tsearcher::DrawTitle(DeviceContext& dc) {
    const int middle = Kit().ScreenWidth / 2;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(PaletteColour(99));
    dc.TextOutA(middle - 1, BoardTop + 41, ShownTitle);
    dc.SetTextColor(PaletteColour(95));
    dc.TextOutA(middle, BoardTop + 40, ShownTitle);
}

// The track is looked up among the shipped files, so music plays whatever the current directory.
void Tsearcher::StartMusic() {
    lexiglade::StartMusic(MPlayer, Shared().GameOptions.musicOn, GameOver, ShippedFile(MusicTrack));
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
    const int right = BoardLeft + BoardWidth;
    const int bottom = BoardTop + BoardHeight;
    if (PointInBox(x, y, right, right + 40, bottom, bottom + 35)) {
        EndGame();
    }
    if (PointInBox(x, y, right - 100, right - 60, bottom, bottom + 35)) {
        PrintPuzzle(this, PictureHints, HintPictures);
    }
    if (PointInBox(x, y, right - 150, right - 110, bottom, bottom + 35)) {
        RunPrinterSetup(this);
    }
    if (OpenSelectionTakesPress(button, x, y)) {
        return;
    }
    if (button == Qt::LeftButton &&
        PointInBox(x, y, BoardLeft + 85, BoardLeft + 525, BoardTop + 65, BoardTop + 345)) {
        Selection.SelectionActive = BeginSelection(x, y);
        if (Selection.SelectionActive) {
            Input.DragBegan();
        }
    }
}

void Tsearcher::FormMouseMove(int x, int y) {
    HandlerScope scope(*this);
    if (Selection.SelectionActive && Input.PointerMoved(AnchorPoint(Selection), {x, y})) {
        TrackSelection(x, y);
    }
}

void Tsearcher::FormMouseUp(Qt::MouseButton button, int x, int y) {
    HandlerScope scope(*this);
    if (Selection.SelectionActive && button == Qt::LeftButton &&
        Input.LeftReleaseEnds(AnchorPoint(Selection), {x, y})) {
        FinishSelection(x, y);
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
    GameOver = true;
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
