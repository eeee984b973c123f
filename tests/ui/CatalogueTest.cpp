#include "ModalDriver.h"
#include "UiFixture.h"

#include "library/FileBatch.h"
#include "library/Journal.h"
#include "library/TextList.h"
#include "ui/GameContext.h"
#include "ui/Midistuf.h"
#include "ui/Outline.h"
#include "ui/Wordsrch.h"

#include <QDialog>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace lexiglade::test {
namespace {

struct CatalogueTest : testing::Test {
    void SetUp() override {
        context.Forms.jukebox = &jukebox;
        context.Forms.lxedit = &wizard;
        wizard.setWindowTitle(QStringLiteral("Wizard"));
    }
    void TearDown() override {
        if (context.Forms.searcher) {
            delete context.Forms.searcher.data();
        }
    }
    DataFolder folder;
    GameContext context{folder.Folders()};
    Tjukebox jukebox{context.State.GameOptions};
    QDialog wizard;
};

TEST_F(CatalogueTest, FirstPaintCentresTheBackdropWithoutItsLastRowAndColumn) {
    ModalDriver answerer;
    auto form = OpenCatalogue(context, 1000, 700);
    const int x = 1000 / 2 - 320;
    const int y = 700 / 2 - 240;
    EXPECT_EQ(form->BackdropLeft, x);
    EXPECT_EQ(form->BackdropTop, y);
    EXPECT_EQ(context.Kit.ScreenWidth, 1000);
    EXPECT_EQ(context.Kit.ScreenHeight, 700);
    EXPECT_EQ(context.Kit.ScreenCopy.Width(), 1000);
    EXPECT_EQ(context.Kit.ScreenCopy.Height(), 700);
    const QImage& screen = form->Surface();
    const QImage& art = folder.Backdrop();
    EXPECT_EQ(screen.pixel(x, y), art.pixel(0, 0));
    EXPECT_EQ(screen.pixel(x + 638, y + 478), art.pixel(638, 478));
    EXPECT_EQ(screen.pixel(x + 639, y + 100), qRgb(0, 0, 0));
    EXPECT_EQ(screen.pixel(x + 100, y + 479), qRgb(0, 0, 0));
    EXPECT_EQ(screen.pixel(x - 1, y), qRgb(0, 0, 0));
    EXPECT_EQ(screen.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_TRUE(answerer.Boxes().empty());
}

TEST_F(CatalogueTest, TreeLabelAndSidePictureArePlacedBesideEachOther) {
    auto form = OpenCatalogue(context, 1000, 700);
    const int x = form->BackdropLeft;
    const int y = form->BackdropTop;
    EXPECT_TRUE(form->outline->isVisible());
    EXPECT_EQ(form->outline->geometry(), QRect(x + 190, y + 180, 1000 / 3, 480 - 180));
    EXPECT_EQ(form->Label2->geometry(), QRect(x + 195 + 333, y + 190, 119, 119));
    const QImage& screen = form->Surface();
    EXPECT_EQ(screen.pixel(x + 200 + 333, y + 309), qRgb(0, 200, 0));
    EXPECT_EQ(screen.pixel(x + 200 + 333 + 59, y + 309 + 39), qRgb(0, 200, 0));
    EXPECT_NE(screen.pixel(x + 200 + 333 + 60, y + 309), qRgb(0, 200, 0));
}

TEST_F(CatalogueTest, ScreenSizeIsFixedByTheFirstPaintOnly) {
    auto form = OpenCatalogue(context, 800, 600);
    form->resize(900, 650);
    WaitFor([&] { return form->FormPaintCount() > 1; });
    EXPECT_EQ(context.Kit.ScreenWidth, 800);
    EXPECT_EQ(context.Kit.ScreenHeight, 600);
    EXPECT_EQ(form->outline->width(), 800 / 3);
}

TEST_F(CatalogueTest, HotspotsReactToTheirEdgesAndToAnyButton) {
    struct Case {
        int dx, dy; // from the backdrop's corner; dy < 0 counts from its bottom
        Qt::MouseButton button;
        int dialogs;
        bool closes;
    };
    const Case cases[] = {
        {100, 250, Qt::LeftButton, 1, false},   {110, 300, Qt::RightButton, 1, false},
        {0, 210, Qt::LeftButton, 1, false},     {111, 250, Qt::LeftButton, 0, false},
        {120, 250, Qt::LeftButton, 0, false},   {120, 350, Qt::LeftButton, 1, false},
        {140, 395, Qt::MiddleButton, 1, false}, {141, 395, Qt::LeftButton, 0, false},
        {0, 309, Qt::LeftButton, 0, false},     {41, -1, Qt::LeftButton, 0, false},
        {0, -1, Qt::RightButton, 0, true},      {40, -41, Qt::LeftButton, 0, true},
    };
    for (const Case& c : cases) {
        ModalDriver answerer;
        auto form = OpenCatalogue(context, 1000, 700);
        const int y = c.dy < 0 ? form->BackdropHeight + c.dy + 1 : c.dy;
        QTest::mouseClick(form.get(), c.button, {},
                          QPoint(form->BackdropLeft + c.dx, form->BackdropTop + y));
        WaitFor([] { return false; }, 30);
        EXPECT_EQ(answerer.DialogsSeen(), c.dialogs) << c.dx << "," << c.dy;
        EXPECT_EQ(!form->isVisible(), c.closes) << c.dx << "," << c.dy;
        EXPECT_EQ(answerer.Boxes().size(), c.closes ? 1u : 0u) << c.dx << "," << c.dy;
    }
}

TEST_F(CatalogueTest, ClosingShowsTheMessageExactlyOnce) {
    ModalDriver answerer;
    auto form = OpenCatalogue(context, 1000, 700);
    QTest::mouseClick(form.get(), Qt::LeftButton, {},
                      QPoint(form->BackdropLeft, form->BackdropTop + form->BackdropHeight));
    form->close();
    WaitFor([] { return false; }, 30);
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_EQ(answerer.Boxes()[0].caption, "Information");
    EXPECT_EQ(answerer.Boxes()[0].text, "Thanks for playing Lexiglade!");
    EXPECT_EQ(answerer.Boxes()[0].icon, QMessageBox::Information);
    EXPECT_FALSE(form->isVisible());
}

// A filing cut short after its journal: the new tree is written in full under its staged name.
void InterruptFilingOfTree(const DataFolder& folder, const std::string& newTree) {
    const std::string oldTree = kTreeText;
    const JournalEntry entry{"a7.asl", std::string(kStagedPrefix) + "a7.asl",
                             std::string(kBackupPrefix) + "a7.asl", DigestOf(newTree),
                             DigestOf(oldTree)};
    folder.Write(entry.staged, newTree);
    folder.Write(*entry.backup, oldTree);
    folder.Write(kJournalName, FormatJournal({entry}));
}

TEST_F(CatalogueTest, StartUpFinishesAFilingThatWasCutShortBeforeLoadingTheTree) {
    const std::string newTree = std::string(kTreeText) + "Sea\r\n\tFish\r\n";
    InterruptFilingOfTree(folder, newTree);
    ModalDriver answerer;
    auto form = OpenCatalogue(context, 1000, 700);
    EXPECT_TRUE(answerer.Boxes().empty());
    ASSERT_FALSE(form->outline->Model().empty());
    EXPECT_EQ(form->outline->Model().back().text, "Fish");
    EXPECT_EQ(ReadFileBytes(folder / "a7.asl"), newTree);
    EXPECT_FALSE(HasFilingLeftovers(folder.Path()));
}

TEST_F(CatalogueTest, AJournalThatCannotBeSettledIsReportedAndTheTreeStillLoads) {
    folder.Write(kJournalName, "Lexiglade filing journal 1\nreplace\ta7.asl\n");
    ModalDriver answerer;
    auto form = OpenCatalogue(context, 1000, 700);
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_EQ(answerer.Boxes()[0].text.toStdString(),
              "The library has a damaged filing record, " + folder / kJournalName +
                  ", which was not acted on: after looking at it, set it aside with "
                  "\"lexiglade-library check --discard-journal " +
                  folder.Path() + "\" and file again.");
    EXPECT_EQ(form->outline->topLevelItemCount(), 2);
    EXPECT_TRUE(HasFilingLeftovers(folder.Path()));
}

// Options live for one run: a start sets every one of them back, whatever they were before.
TEST_F(CatalogueTest, StartUpSetsEveryOptionToItsDefault) {
    GameOptions& options = context.State.GameOptions;
    options.soundsOn = false;
    options.musicOn = false;
    options.backwardWords = false;
    options.timedGame = true;
    options.timeLimitChoice = 3;
    auto form = OpenCatalogue(context, 1000, 700);
    EXPECT_TRUE(options.soundsOn);
    EXPECT_TRUE(options.musicOn);
    EXPECT_TRUE(options.backwardWords);
    EXPECT_FALSE(options.timedGame);
    EXPECT_EQ(options.timeLimitChoice, 1);
}

TEST_F(CatalogueTest, MissingTreeFileIsReportedOnceAndTheCatalogueStillOpens) {
    folder.Remove("a7.asl");
    ModalDriver answerer;
    auto form = OpenCatalogue(context, 1000, 700);
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_EQ(answerer.Boxes()[0].caption, "Lexiglade");
    EXPECT_EQ(answerer.Boxes()[0].text,
              QString::fromStdString("Cannot open file " + folder.Path() + "a7.asl."));
    EXPECT_EQ(answerer.Boxes()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(form->outline->topLevelItemCount(), 0);
    EXPECT_TRUE(form->isVisible());
    const GameOptions& options = context.State.GameOptions;
    EXPECT_TRUE(options.soundsOn && options.musicOn && options.backwardWords);
    EXPECT_FALSE(options.timedGame);
}

TEST_F(CatalogueTest, MissingBackdropIsReportedOnceAndLeavesTheTreeHidden) {
    folder.Remove("a4.asl");
    ModalDriver answerer;
    auto form = OpenCatalogue(context, 1000, 700);
    WaitFor([&] { return !answerer.Boxes().empty(); });
    form->InvalidateForm();
    WaitFor([&] { return form->FormPaintCount() > 2; }, 200);
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_EQ(answerer.Boxes()[0].text,
              QString::fromStdString("Cannot open file " + folder.Path() + "a4.asl."));
    EXPECT_FALSE(form->outline->isVisible());
}

TEST_F(CatalogueTest, ErrorInAHandlerIsShownAndTheProgramGoesOn) {
    auto form = OpenCatalogue(context, 1000, 700);
    folder.Remove("a9.asl");
    ModalDriver answerer;
    form->outline->expandAll();
    const QModelIndex farm =
        form->outline->model()->index(0, 0, form->outline->model()->index(0, 0));
    QTest::mouseClick(form->outline->viewport(), Qt::LeftButton, {},
                      form->outline->visualRect(farm).center());
    WaitFor([&] { return !answerer.Boxes().empty(); });
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_EQ(answerer.Boxes()[0].caption, "Lexiglade");
    EXPECT_EQ(answerer.Boxes()[0].text,
              QString::fromStdString("Cannot open file " + folder.Path() + "a9.asl."));
    EXPECT_TRUE(context.Forms.searcher.isNull());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(CatalogueTest, WizardClosingReloadsTheTree) {
    auto form = OpenCatalogue(context, 1000, 700);
    ModalDriver answerer;
    answerer.OnDialog([&](QWidget* dialog) {
        folder.Write("a7.asl", "Animals\r\n\tFarm\r\nBirds\r\n\tOwls\r\n");
        static_cast<QDialog*>(dialog)->reject();
    });
    QTest::mouseClick(form.get(), Qt::LeftButton, {},
                      QPoint(form->BackdropLeft + 50, form->BackdropTop + 250));
    const TreeModel expected = {{"Animals", 1}, {"Farm", 2}, {"Birds", 1}, {"Owls", 2}};
    EXPECT_EQ(form->outline->Model(), expected);
    EXPECT_EQ(form->outline->topLevelItemCount(), 2);
    EXPECT_TRUE(answerer.Boxes().empty());
}

// The keys reach the hotspots' actions from the tree, where the keyboard is.
TEST_F(CatalogueTest, FunctionKeysAndEscapeRunTheHotspots) {
    struct Case {
        Qt::Key key;
        QWidget* dialog;
        bool closes;
    };
    const Case cases[] = {{Qt::Key_F2, &wizard, false},
                          {Qt::Key_F3, &jukebox, false},
                          {Qt::Key_Escape, nullptr, true},
                          {Qt::Key_F4, nullptr, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        folder.Write("a7.asl", kTreeText);
        auto form = OpenCatalogue(context, 1000, 700);
        ModalDriver answerer;
        QWidget* seen = nullptr;
        answerer.OnDialog([&](QDialog* dialog) {
            seen = dialog;
            folder.Write("a7.asl", "Birds\r\n\tOwls\r\n");
            static_cast<QDialog*>(dialog)->reject();
        });
        QTest::keyClick(form->outline, c.key);
        WaitFor([] { return false; }, 30);
        EXPECT_EQ(seen, c.dialog);
        EXPECT_EQ(answerer.DialogsSeen(), c.dialog != nullptr ? 1 : 0);
        const TreeModel created = {{"Birds", 1}, {"Owls", 2}};
        EXPECT_EQ(form->outline->Model() == created, c.dialog == &wizard) << "the tree is reloaded";
        EXPECT_EQ(!form->isVisible(), c.closes);
        ASSERT_EQ(answerer.Boxes().size(), c.closes ? 1u : 0u);
        if (c.closes) {
            EXPECT_EQ(answerer.Boxes()[0].caption, "Information");
            EXPECT_EQ(answerer.Boxes()[0].text, "Thanks for playing Lexiglade!");
        }
    }
}

TEST_F(CatalogueTest, ClickingItemsLoadsPuzzlesButNotFolders) {
    struct Case {
        int index;
        const char* title; // nullptr: nothing opens
    };
    const Case cases[] = {{0, nullptr}, {1, "Farm"},  {3, nullptr},  {4, nullptr},
                          {5, "Stars"}, {6, "Empty"}, {7, "Planets"}};
    for (const Case& c : cases) {
        auto form = OpenCatalogue(context, 1000, 700);
        form->outline->expandAll();
        context.Forms.searcher = nullptr;
        form->outline->SelectIndex(c.index);
        QTest::mouseClick(form->outline->viewport(), Qt::LeftButton, {},
                          form->outline->visualRect(form->outline->currentIndex()).center());
        if (c.title == nullptr) {
            EXPECT_TRUE(context.Forms.searcher.isNull()) << c.index;
            continue;
        }
        ASSERT_FALSE(context.Forms.searcher.isNull()) << c.index;
        EXPECT_TRUE(context.Forms.searcher->isVisible());
        EXPECT_EQ(OpenedGame(context)->Puzzle().title, c.title);
        EXPECT_EQ(OpenedGame(context)->Puzzle().words.size(), 2u);
        delete context.Forms.searcher.data();
    }
}

TEST_F(CatalogueTest, KeyboardMovesLoadEachPuzzleOnce) {
    auto form = OpenCatalogue(context, 1000, 700);
    form->outline->expandAll();
    form->outline->setFocus();
    form->outline->SelectIndex(0);
    QTest::keyClick(form->outline, Qt::Key_Down);
    ASSERT_FALSE(context.Forms.searcher.isNull());
    EXPECT_EQ(OpenedGame(context)->Puzzle().title, "Farm");
    QWidget* first = context.Forms.searcher.data();
    QTest::keyClick(form->outline, Qt::Key_Down);
    EXPECT_EQ(OpenedGame(context)->Puzzle().title, "Pets");
    EXPECT_NE(context.Forms.searcher.data(), first);
    delete first;
}

// Enter or Space on a folder opens or closes it; on a puzzle it opens the puzzle, again and again.
TEST_F(CatalogueTest, EnterOrSpaceOpensThePuzzleSelectedOrOpensAndClosesTheFolder) {
    auto form = OpenCatalogue(context, 1000, 700);
    Outline& tree = *form->outline;
    tree.setFocus();
    struct Case {
        int index;
        Qt::Key key;
        const char* title; // of the puzzle opened; nullptr: none
        bool expanded;
    };
    const Case cases[] = {
        {0, Qt::Key_Return, nullptr, true}, {0, Qt::Key_Space, nullptr, false},
        {0, Qt::Key_Enter, nullptr, true},  {1, Qt::Key_Return, "Farm", false},
        {1, Qt::Key_Return, "Farm", false}, {2, Qt::Key_Space, "Pets", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        tree.SelectIndex(c.index);
        QPointer<QWidget> before = context.Forms.searcher;
        QTest::keyClick(&tree, c.key);
        EXPECT_EQ(tree.SelectedIndex(), c.index);
        EXPECT_EQ(tree.isExpanded(tree.currentIndex()), c.expanded);
        if (c.title == nullptr) {
            EXPECT_EQ(context.Forms.searcher, before);
            continue;
        }
        ASSERT_FALSE(context.Forms.searcher.isNull());
        EXPECT_NE(context.Forms.searcher, before) << "a new game";
        EXPECT_EQ(OpenedGame(context)->Puzzle().title, c.title);
        delete before.data();
    }
}

} // namespace
} // namespace lexiglade::test
