#pragma once
// The puzzle screen: one form per game, from its first paint to EndGame.
#include "engine/PuzzleSession.h"
#include "engine/SelectionInput.h"
#include "library/Puzzle.h"
#include "media/MediaPlayer.h"
#include "platform/GamePalette.h"
#include "platform/GdiBitmap.h"
#include "platform/SurfaceForm.h"
#include "ui/SelectionPainter.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

namespace lexiglade {

class HintPictureCombo;
struct DrawkitState;
struct GameState;

class Tsearcher : public SurfaceForm {
    Q_OBJECT
  public:
    // The game of `puzzle`, started by the first paint; `state` and `kit` outlive the form.
    Tsearcher(GameState& state, DrawkitState& kit, LoadedPuzzle puzzle, QWidget* parent = nullptr);
    ~Tsearcher() override;

    QComboBox* Combo1 = nullptr;
    HintPictureCombo* Combo2 = nullptr;
    QTimer* Timer1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QLabel* Label1 = nullptr;
    MediaPlayer MPlayer;

    // The game itself: grid, hints still to be found, selection, clock, win and game over.
    PuzzleSession Session;
    std::int32_t BoardLeft = 0;
    std::int32_t BoardTop = 0;
    std::int32_t BoardWidth = 0;
    std::int32_t BoardHeight = 0;
    bool PictureHints = false;
    std::string MusicTrack;
    std::int32_t SelectionColour = PaletteRole::Selection;
    std::string ShownTitle;
    SelectionInput Input; // how the running selection is held: drag, open click or cell cursor
    std::vector<std::unique_ptr<Bitmap>> HintPictures;

    // Wordsrch.cpp: the form, its paint, the mouse and the game's start and end.
    void FormMouseDown(Qt::MouseButton button, int x, int y);
    void FormMouseMove(int x, int y);
    void FormMouseUp(Qt::MouseButton button, int x, int y);
    const LoadedPuzzle& Puzzle() const { return puzzle_; }
    // True from the form's creation until its first paint has started the game.
    bool NewGame() const { return newGame_; }

    // The OnNotify handler of MPlayer: a track that ended successfully starts again.
    void MPlayerNotify();
    // Ends the game once: music and clock stop, and the form is released once no handler of it
    // is running any more.
    void EndGame();

    // WordsrchPlay.cpp: the clock.
    void Timer1Timer();

    // WordsrchControls.cpp: the hidden buttons that step the selection colour.
    void Button1Click();
    void Button2Click();

    // The actions of the hotspots below the board, for a press on them and for their keys.
    void EndGameHotspot();
    void PrintHotspot();
    void PrinterSetupHotspot();

  protected:
    // Wordsrch.cpp.
    void FormPaint() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // WordsrchHotspots.cpp: the hotspots' tooltips.
    bool event(QEvent* event) override;
    // WordsrchKeys.cpp.
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void PaintOverlay(QPainter& painter) override;

  private:
    // WordsrchHotspots.cpp: each hotspot's keys, which run its action as a press on it does.
    void CreateHotspotKeys();
    void HotspotKeyPressed(void (Tsearcher::*action)());

    friend class HandlerScope;

    // Wordsrch.cpp.
    void FirstPaintActions();
    void DrawScreen();
    BoardOrigin Origin() const { return {BoardLeft, BoardTop}; }
    void StartMusic();
    void FirstPaintFailed(const QString& error);

    // WordsrchControls.cpp: the controls, the hint lists as mirrors of the session's, printing.
    void CreateControls();
    void PlaceBoard(const Bitmap& board);
    void BuildHintLists();

    // WordsrchPlay.cpp: the selection and the found words, drawn as the session answers.
    // True when a selection has started.
    bool BeginSelection(int x, int y);
    void TrackSelection(int x, int y);
    void EndSelection(int x, int y);
    void FoundWord(const Find& find);
    void ShowUnfoundWords(const TimeOut& timeOut);
    void RecordBestTime(std::int32_t timeTaken);

    // Play without a drag (WordsrchKeys.cpp): a click leaves the selection open, keys move a cell
    // cursor. The band is drawn exclusive-or, the cursor's frame over the form's pixels; neither is
    // saved in ScreenCopy.
    void SetUpKeyboardPlay();
    bool OpenSelectionTakesPress(Qt::MouseButton button, int x, int y);
    void FinishSelection(int x, int y);
    void CancelSelection();
    void PlayKeyPressed(PlayKey key);
    void DrawRubberBand();
    void ShowCursorFrame();
    void DrawInputMarks();

    GameState& state_;
    DrawkitState& kit_;
    const LoadedPuzzle puzzle_;
    SelectionPainter painter_; // the bands, the capsules and the keyboard's frame
    bool newGame_ = true;
    int handlersRunning_ = 0;
    bool releaseRequested_ = false;
    bool firstPaintFailed_ = false;
};

// Marks a handler of the form as running, so that EndGame never releases the form under it.
class HandlerScope {
  public:
    explicit HandlerScope(Tsearcher& form);
    ~HandlerScope();
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;

  private:
    Tsearcher& form_;
};

} // namespace lexiglade
