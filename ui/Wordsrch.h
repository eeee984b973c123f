#pragma once
// The puzzle screen: one form per game, from its first paint to EndGame.
#include "engine/Matching.h"
#include "engine/Selection.h"
#include "engine/SelectionInput.h"
#include "media/MediaPlayer.h"
#include "media/Sound.h"
#include "platform/GdiBitmap.h"
#include "platform/SurfaceForm.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

namespace lexiglade {

class HintPictureCombo;

class Tsearcher : public SurfaceForm {
    Q_OBJECT
  public:
    explicit Tsearcher(QWidget* parent = nullptr);
    ~Tsearcher() override;

    QComboBox* Combo1 = nullptr;
    HintPictureCombo* Combo2 = nullptr;
    QTimer* Timer1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QLabel* Label1 = nullptr;
    MediaPlayer MPlayer;

    void FormMouseDown(Qt::MouseButton button, int x, int y);
    void FormMouseMove(int x, int y);
    void FormMouseUp(Qt::MouseButton button, int x, int y);
    void Timer1Timer();
    // The OnNotify handler of MPlayer: a track that ended successfully starts again.
    void MPlayerNotify();
    void Button1Click();
    void Button2Click();
    // Ends the game once: music and clock stop, and the form is released once no handler of it
    // is running any more.
    void EndGame();

    std::int32_t BoardLeft = 0;
    std::int32_t BoardTop = 0;
    std::int32_t BoardWidth = 0;
    std::int32_t BoardHeight = 0;
    bool PictureHints = false;
    bool GameOver = false;
    std::string MusicTrack;
    std::int32_t SelectionColour = 27;
    std::int32_t ElapsedSeconds = 0;
    std::string ShownTitle;
    SelectionState Selection;
    SelectionInput Input; // how the running selection is held: drag, open click or cell cursor
    std::vector<std::unique_ptr<Bitmap>> HintPictures;

  protected:
    void FormPaint() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    friend class HandlerScope;

    void CreateControls();
    void FirstPaintActions();
    void DrawScreen();
    void BuildHintLists();
    void PlaceBoard(int width, int height);
    void DrawArtwork(DeviceContext& dc);
    void DrawLetters(DeviceContext& dc);
    void DrawTitle(DeviceContext& dc);
    void StartMusic();
    void FirstPaintFailed(const QString& error);

    bool BeginSelection(int x, int y);
    void TrackSelection(int x, int y);
    void EndSelection(int x, int y);
    void FoundWord(std::size_t k, int x, int y);
    void RemoveHints(const std::string& text);
    void RecordBestTime(std::int32_t timeTaken);
    void DrawCapsule(DeviceContext& dc, int ax, int ay, int fx, int fy, int bearing);
    void UseSelectionPen(DeviceContext& dc);

    // Play without a drag (WordsrchKeys.cpp): a click leaves the selection open, keys move a cell
    // cursor. The cursor and the band are drawn exclusive-or and never saved in ScreenCopy.
    void SetUpKeyboardPlay();
    bool OpenSelectionTakesPress(Qt::MouseButton button, int x, int y);
    void FinishSelection(int x, int y);
    void CancelSelection();
    void PlayKeyPressed(PlayKey key);
    void DrawRubberBand();
    void DrawCursorFrame(Cell cell);
    void ShowCursor();
    void HideCursor();
    void DrawInputMarks();

    int handlersRunning_ = 0;
    bool releaseRequested_ = false;
    bool firstPaintFailed_ = false;
    bool won_ = false; // the last word is found: the clock's limit no longer ends the game
    RetiredWords retired_;
    bool cursorOnScreen_ = false;
    bool cursorSuspended_ = false; // off while a found word saves the screen
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
