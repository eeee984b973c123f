#include "GameFixture.h"

#include "engine/Random.h"
#include "library/TextList.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QTest>
#include <QTimer>

#include <utility>

namespace lexiglade::test {

LoadedPuzzle MakePuzzle(const std::string& title, std::int32_t index, TextList words,
                        TextList hints) {
    LoadedPuzzle puzzle;
    puzzle.title = title;
    puzzle.puzzleIndex = index;
    puzzle.words = std::move(words);
    puzzle.hints = std::move(hints);
    return puzzle;
}

LoadedPuzzle SavannaPuzzle() {
    return MakePuzzle("Savanna", 1, {"LION", "ZEBRA", "HIPPO", "GIRAFFE", "RHINO"},
                      {"Roars", "Stripes", "River horse", "Long neck", "Horned"});
}

std::string ListText(const TextList& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

int CountPixels(const QImage& image, const QRect& area, QRgb colour) {
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            count += image.pixel(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

QStringList ComboTexts(const QComboBox& combo) {
    QStringList texts;
    for (int i = 0; i < combo.count(); ++i) {
        texts << combo.itemText(i);
    }
    return texts;
}

void GameTest::SetUp() {
    DrawkitState& kit = context.Kit;
    BuildPalette(kit.GamePalette);
    kit.PaletteHandle = CreateGamePalette(kit.GamePalette);
    context.State.GameOptions.soundsOn = false; // the data folder has no sound or music files
    context.State.GameOptions.musicOn = false;
}

void GameTest::TearDown() {
    CloseForm();
}

// The form draws with the test's context, so no form may outlive its test case.
void GameTest::CloseForm() {
    if (form) {
        delete form.data();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void GameTest::OpenGame(const LoadedPuzzle& puzzle, std::uint32_t seed, int screenWidth,
                        int screenHeight) {
    CloseForm();
    DrawkitState& kit = context.Kit;
    // The title is on the puzzle's line of the library, where puzzle loading found it.
    TextList titles = ReadList(folder / "a8.asl");
    if (puzzle.puzzleIndex >= 0 && static_cast<std::size_t>(puzzle.puzzleIndex) < titles.size()) {
        titles[static_cast<std::size_t>(puzzle.puzzleIndex)] = puzzle.title;
        WriteList(folder / "a8.asl", titles);
    }
    kit.ScreenWidth = screenWidth;
    kit.ScreenHeight = screenHeight;
    kit.ScreenCopy.SetWidth(screenWidth);
    kit.ScreenCopy.SetHeight(screenHeight);
    SetRandomSeed(seed);
    auto* created = new Tsearcher(context.State, kit, puzzle);
    form = created;
    context.Forms.searcher = created;
    releases = 0;
    QObject::connect(created, &QObject::destroyed, [this] { ++releases; });
    created->resize(screenWidth, screenHeight);
    created->show();
    WaitFor([this] { return form.isNull() || form->FormPaintCount() > 0; });
    if (form) {
        form->Timer1->stop();
    }
}

bool GameTest::Released() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return form.isNull();
}

QPoint GameTest::CellPoint(Cell cell) const {
    return {form->BoardLeft + 90 + 20 * cell.column, form->BoardTop + 77 + 18 * cell.row};
}

const PlacedWord& GameTest::Word(std::size_t k) const {
    return form->Session.Grids().PlacedWords.at(k);
}

void GameTest::Drag(Cell from, Cell to, QPoint releaseOffset) {
    const QPoint start = CellPoint(from);
    const QPoint end = CellPoint(to);
    QTest::mousePress(form.data(), Qt::LeftButton, {}, start);
    constexpr int kMoves = 4;
    for (int i = 1; i <= kMoves; ++i) {
        QTest::mouseMove(form.data(), start + (end - start) * i / kMoves);
    }
    QTest::mouseRelease(form.data(), Qt::LeftButton, {}, end + releaseOffset);
}

void GameTest::Click(Qt::MouseButton button, QPoint at) {
    QTest::mousePress(form.data(), button, {}, at);
    QTest::mouseRelease(form.data(), button, {}, at);
}

void GameTest::Repaint() {
    const int paints = form->FormPaintCount();
    form->InvalidateForm();
    ASSERT_TRUE(WaitFor([&] { return form->FormPaintCount() > paints; }));
}

QImage GameTest::Screen() const {
    return form->Pixels().copy();
}

QImage GameTest::Shown() const {
    QImage shown(form->Pixels().size(), QImage::Format_RGB32);
    shown.setDevicePixelRatio(form->devicePixelRatioF());
    form->render(&shown, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return shown;
}

} // namespace lexiglade::test
