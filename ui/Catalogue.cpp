#include "ui/Catalogue.h"

#include "engine/Random.h"
#include "library/FileBatch.h"
#include "library/LibraryFiles.h"
#include "library/Paths.h"
#include "library/Puzzle.h"
#include "library/ShippedUpdates.h"
#include "platform/CaptionFit.h"
#include "platform/FocusMarks.h"
#include "platform/GdiFont.h"
#include "platform/Handlers.h"
#include "platform/LogCategories.h"
#include "platform/MessageBoxes.h"
#include "platform/Texts.h"
#include "platform/audio/AudioOutput.h"
#include "ui/CatalogueLayout.h"
#include "ui/Drawkit.h"
#include "ui/GameContext.h"
#include "ui/Midistuf.h"
#include "ui/Outline.h"
#include "ui/ScreenArtwork.h"
#include "ui/Wordsrch.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include <exception>
#include <utility>

namespace lexiglade {

using namespace CatalogueLayout;

namespace {

const char* const kInstruction = QT_TRANSLATE_NOOP(
    "lexiglade::Tmain",
    "Double-click folders to open. Click the page icon showing a puzzle you wish to play...");

} // namespace

Tmain::Tmain(GameContext& context) : context_(context) {
    setWindowTitle(QStringLiteral("Lexiglade"));
    CreateControls();
    try {
        FormCreate();
    } catch (const std::exception& error) {
        ShowErrorBox(ErrorText(error));
    }
}

// FormDestroy: the shared objects go in the order they were made for.
Tmain::~Tmain() {
    context_.Kit.ScreenCopy.SetWidth(0);
    context_.Kit.PaletteHandle.reset();
}

void Tmain::CreateControls() {
    const QFont system = ToQFont(CreateFont("System", -13));
    setFont(system);
    setMouseTracking(false);
    outline = new Outline(this);
    outline->setFont(system);
    connect(outline, &Outline::ItemChosen, this, Guarded([this] { outlineClick(); }));
    Label2 = new QLabel(tr(kInstruction), this);
    Label2->setFont(system);
    Label2->setGeometry(0, 0, kInstructionSize, kInstructionSize);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setStyleSheet(QStringLiteral("QLabel { color: yellow; background: black; }"));
    SetFocusMarkColour(*this, Qt::yellow); // the tree's ring, on the dark backdrop
    WidenToWrappedCaption(*Label2);        // not heightened: its height places the picture below
}

void Tmain::FormCreate() {
    GameState& state = context_.State;
    DrawkitState& kit = context_.Kit;
    const DataFolders folders = state.Folders();
    BuildPalette(kit.GamePalette);
    kit.PaletteHandle = CreateGamePalette(kit.GamePalette);
    CatalogueFirstPaint = true;
    SetRandomSeed(SeedFromUtcClock());
    kit.ScreenCopy.SetWidth(0);
    state.GameOptions.soundsOn = true;
    state.GameOptions.musicOn = true;
    outline->hide();
    std::exception_ptr loadError;
    try {
        FillPlayerFolder(folders); // a new player's library starts as the shipped one
        FinishInterruptedFiling(folders.dataDir); // a filing cut short by a crash is settled
    } catch (...) {
        loadError = std::current_exception(); // the tree is loaded all the same
    }
    if (!loadError) {
        OfferShippedPuzzles(folders);
    }
    try {
        LoadTreeInto();
    } catch (...) {
        if (!loadError) {
            loadError = std::current_exception(); // reported once the remaining steps have run
        }
    }
    state.GameOptions.backwardWords = true;
    state.GameOptions.timedGame = false;
    state.GameOptions.timeLimitChoice = 1;
    if (loadError) {
        std::rethrow_exception(loadError);
    }
}

// Puzzles that this version ships and the player's library has never been offered join it; a
// failure leaves the library as it is, for the next start to try again.
void Tmain::OfferShippedPuzzles(const DataFolders& folders) {
    try {
        lexiglade::OfferShippedPuzzles(folders);
    } catch (const std::exception& error) {
        qCWarning(LibraryLog, "Cannot add the new shipped puzzles to %s: %s",
                  DirectoryForm(folders.dataDir).c_str(), error.what());
    }
}

void Tmain::LoadTreeInto() {
    try {
        LoadTreeFile(context_.State.DataDir / LibraryFiles::kFolderTree, outline->Model());
    } catch (...) {
        outline->ShowModel();
        throw;
    }
    outline->ShowModel();
}

void Tmain::ReloadTree() {
    LoadTreeInto();
}

void Tmain::DrawPicture(DeviceContext& dc, const char* name, int x, int y, int trim) {
    Bitmap picture;
    LoadScreenArtwork(picture, context_.State.Folders(), name, dc.Surface().devicePixelRatio());
    dc.BitBlt(x, y, picture.Width() - trim, picture.Height() - trim, picture, 0, 0, SRCCOPY);
}

void Tmain::FormPaint() {
    DrawkitState& kit = context_.Kit;
    if (CatalogueFirstPaint) {
        kit.ScreenWidth = width();
        kit.ScreenHeight = height();
        kit.ScreenCopy.SetWidth(kit.ScreenWidth);
        kit.ScreenCopy.SetHeight(kit.ScreenHeight);
        CatalogueFirstPaint = false;
        // The catalogue plays no music: its soundfont is read once the screen is up.
        QTimer::singleShot(0, this, [] { AudioOutput::PrepareMusic(); });
    }
    DeviceContext dc(Surface());
    SelectedPalette palette(dc, kit.PaletteHandle);
    dc.SelectObject(CreateSolidBrush(kit.PaletteColour(PaletteRole::kBackground)));
    dc.SelectObject(CreatePen(PS_SOLID, 1, kit.PaletteColour(PaletteRole::kBackground)));
    dc.Rectangle(0, 0, width(), height());

    Bitmap backdrop;
    LoadScreenArtwork(backdrop, context_.State.Folders(), LibraryFiles::kCataloguePicture,
                      dc.Surface().devicePixelRatio());
    BackdropWidth = backdrop.Width();
    BackdropHeight = backdrop.Height();
    BackdropLeft = kit.ScreenWidth / 2 - BackdropWidth / 2;
    BackdropTop = kit.ScreenHeight / 2 - BackdropHeight / 2;
    dc.BitBlt(BackdropLeft, BackdropTop, BackdropWidth - 1, BackdropHeight - 1, backdrop, 0, 0,
              SRCCOPY);

    outline->setGeometry(BackdropLeft + kTreeLeft, BackdropTop + kTreeTop,
                         kit.ScreenWidth / kTreeWidthDivisor, BackdropHeight - kTreeTop);
    outline->show();
    const int treeRight = BackdropLeft + kTreeLeft + outline->width();
    Label2->move(treeRight + kInstructionGap, BackdropTop + kInstructionTop);
    DrawPicture(dc, LibraryFiles::kFinderPicture, treeRight + kFinderGap,
                BackdropTop + kInstructionTop + Label2->height(), 0);
}

void Tmain::mousePressEvent(QMouseEvent* event) {
    const QPoint at = PixelUnderMouse(*event);
    FormMouseDown(event->button(), at.x(), at.y());
}

void Tmain::FormMouseDown(Qt::MouseButton, int x, int y) {
    const int left = BackdropLeft;
    const int top = BackdropTop;
    const int bottom = top + BackdropHeight;
    if (PointInBox(x, y, left, left + kExitSize, bottom - kExitSize, bottom)) {
        close();
    }
    if (kOptionsHotspot.Holds(left, top, {x, y})) {
        RunOptions();
    }
    if (kWizardHotspot.Holds(left, top, {x, y})) {
        RunWizard();
    }
}

void Tmain::RunOptions() {
    context_.Forms.jukebox->exec();
    InvalidateAll();
}

void Tmain::RunWizard() {
    context_.Forms.lxedit->exec();
    InvalidateAll();
    ReloadTree();
}

// The hotspots' keys: F2 creates a puzzle, F3 opens the options, Escape leaves the game. They
// reach the form from the tree, which has no use for them.
void Tmain::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_F2:
        RunWizard();
        break;
    case Qt::Key_F3:
        RunOptions();
        break;
    case Qt::Key_Escape:
        close();
        break;
    default:
        SurfaceForm::keyPressEvent(event);
    }
}

void Tmain::outlineClick() {
    const int selected = outline->SelectedIndex();
    LoadedPuzzle puzzle;
    if (selected < 0 || !LoadPuzzle(outline->Model(), static_cast<std::size_t>(selected),
                                    context_.State.DataDir, puzzle)) {
        return;
    }
    auto* form = new Tsearcher(context_.State, context_.Kit, std::move(puzzle));
    ReleaseSurface(*form); // the puzzle screen covers the catalogue and draws in its pixels
    context_.Forms.searcher = form;
    // A window manager may leave the focus nowhere when the game's window goes: a player on the
    // keyboard goes on in the catalogue.
    connect(form, &QObject::destroyed, this, [this] {
        if (!closing_) {
            activateWindow();
        }
    });
    form->ShowMaximized();
}

// FormClose: the closing message, once, then the end of the program.
void Tmain::closeEvent(QCloseEvent* event) {
    if (!closing_) {
        closing_ = true;
        ShowInformation(tr("Thanks for playing Lexiglade!"));
    }
    event->accept();
    QApplication::quit();
}

} // namespace lexiglade
