#pragma once
// A puzzle screen opened on a data folder the way puzzle loading opens it: the screen size fixed as
// the catalogue's first paint fixes it, a seeded generator, sounds and music off, and the form's
// own timer stopped after the first paint so that each test ticks the clock itself.
#include "ModalDriver.h"
#include "UiFixture.h"

#include "engine/Grid.h"
#include "library/Puzzle.h"
#include "ui/GameContext.h"
#include "ui/Wordsrch.h"

#include <QImage>
#include <QPointer>
#include <QStringList>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace lexiglade::test {

inline constexpr QRgb kFoundColour = qRgb(0, 0, 179);   // GamePalette 35
inline constexpr QRgb kClockColour = qRgb(255, 32, 32); // GamePalette 94

LoadedPuzzle MakePuzzle(const std::string& title, std::int32_t index, TextList words,
                        TextList hints);

// Five animals, puzzle index 1, hints in word order.
LoadedPuzzle SavannaPuzzle();

// Every line followed by CR LF.
std::string ListText(const TextList& lines);

int CountPixels(const QImage& image, const QRect& area, QRgb colour);

QStringList ComboTexts(const QComboBox& combo);

class GameTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the form for `puzzle` on a screen of the given size, shows it at that size and waits
    // for its first paint.
    void OpenGame(const LoadedPuzzle& puzzle, std::uint32_t seed = 7, int screenWidth = 800,
                  int screenHeight = 600);
    // Deletes the form if it is still there.
    void CloseForm();
    // Runs the posted release of the form; true when the form is gone.
    bool Released();
    // Centre of a cell on the form.
    QPoint CellPoint(Cell cell) const;
    const PlacedWord& Word(std::size_t k) const;
    // Left press on `from`, moves along the way to `to`, left release at `to` + releaseOffset.
    void Drag(Cell from, Cell to, QPoint releaseOffset = {});
    // Press and release of one button at one point.
    void Click(Qt::MouseButton button, QPoint at);
    QImage Screen() const;
    // Runs FormPaint again, as when the window system asks for the window to be drawn.
    void Repaint();
    // What the window shows of the form itself, with the marks drawn over its pixels, without its
    // controls; in device pixels.
    QImage Shown() const;

    DataFolder folder;
    GameContext context{folder.Folders()}; // fresh for every test
    ModalDriver answerer;
    QPointer<Tsearcher> form;
    int releases = 0; // forms destroyed since the last OpenGame
};

} // namespace lexiglade::test
