#include "ScreenFixture.h"

#include "LibraryFixture.h"

#include "engine/Selection.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace lexiglade::bench {

namespace {

Point CellCentre(const Tsearcher& form, Cell cell) {
    const BoardOrigin origin{form.BoardLeft, form.BoardTop};
    return {ColumnCentreX(origin, cell.column), RowCentreY(origin, cell.row)};
}

} // namespace

void Settle(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 10000) {
        QCoreApplication::processEvents();
    }
}

CatalogueScreen::CatalogueScreen(const std::string& dataDir)
    : context(DataFolders{dataDir, dataDir}), form(context) {
    context.State.GameOptions.musicOn = false;
}

std::unique_ptr<CatalogueScreen> OpenCatalogue(const std::string& dataDir, QSize size) {
    auto screen = std::make_unique<CatalogueScreen>(dataDir);
    Tmain& form = screen->form;
    form.resize(size);
    form.show();
    Settle([&] { return form.FormPaintCount() > 0; });
    return screen;
}

GameSetup::GameSetup(const std::string& dataDir, QSize size)
    : size(size), catalogue(OpenCatalogue(dataDir, size)) {
    TextMaker maker(7);
    puzzle.title = "Benchmark Puzzle";
    puzzle.words = MakeWords(maker, 25, 4, 12);
    puzzle.hints.clear();
    for (std::size_t i = 0; i < puzzle.words.size(); ++i) {
        puzzle.hints.push_back(maker.Hint());
    }
}

std::unique_ptr<Tsearcher> GameSetup::Open() const {
    GameContext& context = catalogue->context;
    auto form = std::make_unique<Tsearcher>(context.State, context.Kit, puzzle);
    form->resize(size);
    form->show();
    Settle([&] { return form->FormPaintCount() > 0; });
    return form;
}

void WordFinder::Reopen() {
    form_.reset(); // a live puzzle form would take the next game's first paint
    form_ = setup_.Open();
    next_ = 0;
}

void WordFinder::Drag() {
    const PlacedWord& word = form_->Session.Grids().PlacedWords[next_++];
    const Point from = CellCentre(*form_, word.start);
    const Point to = CellCentre(*form_, word.end);
    form_->FormMouseDown(Qt::LeftButton, from.x, from.y);
    form_->FormMouseMove(to.x, to.y);
    form_->FormMouseUp(Qt::LeftButton, to.x, to.y);
}

} // namespace lexiglade::bench
