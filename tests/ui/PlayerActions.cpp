#include "PlayerActions.h"

#include "UiFixture.h"

#include "ui/GameContext.h"
#include "ui/Outline.h"
#include "ui/Wordsrch.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace lexiglade::test {

void RunWizard(Tmain& catalogue, Tlxedit& wizard, ModalDriver& answerer,
               const std::function<void()>& play) {
    bool started = false;
    bool played = false;
    answerer.OnDialog([&](QWidget* dialog) {
        if (dialog == &wizard && !started) {
            started = true;
            QTimer::singleShot(0, &wizard, [&] {
                play();
                played = true;
                wizard.close(); // the close box
            });
        }
    });
    const QPoint hotspot(catalogue.BackdropLeft + 50, catalogue.BackdropTop + 250);
    QTest::mouseClick(&catalogue, Qt::LeftButton, {}, hotspot);
    answerer.OnDialog({});
    ASSERT_TRUE(played);
    ASSERT_FALSE(wizard.isVisible());
}

void TypePuzzle(Tlxedit& wizard, const QString& name, const QStringList& words,
                const QStringList& hints) {
    QTest::keyClicks(wizard.Edit1, name);
    for (int i = 0; i < words.size(); ++i) {
        QTest::keyClicks(wizard.Memo1, words[i]);
        QTest::keyClick(wizard.Memo1, Qt::Key_Return); // a final Enter adds no word
        QTest::keyClicks(wizard.Memo2, hints[i]);
        if (i + 1 < hints.size()) {
            QTest::keyClick(wizard.Memo2, Qt::Key_Return);
        }
    }
    QTest::mouseClick(wizard.BitBtn1, Qt::LeftButton);
}

void OpenFromCatalogue(const GameContext& context, Tmain& catalogue, const QString& folderName,
                       const QString& title) {
    Outline& tree = *catalogue.outline;
    QCoreApplication::processEvents(); // the reloaded tree is laid out and shown
    const QModelIndex top = tree.model()->index(0, 0);
    const QModelIndexList folders =
        tree.model()->match(top, Qt::DisplayRole, folderName, -1, Qt::MatchExactly);
    ASSERT_EQ(folders.size(), 1);
    const QPoint folderAt = tree.visualRect(folders[0]).center();
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, folderAt); // a double click
    QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, folderAt);
    QTest::mouseRelease(tree.viewport(), Qt::LeftButton, {}, folderAt);
    ASSERT_TRUE(tree.isExpanded(folders[0]));
    const QModelIndexList items =
        tree.model()->match(top, Qt::DisplayRole, title, -1, Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(items.size(), 1);
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualRect(items[0]).center());
    ASSERT_TRUE(WaitFor([&] {
        const Tsearcher* game = OpenedGame(context);
        return game != nullptr && !game->NewGame() && game->FormPaintCount() > 0;
    }));
}

void WinGame(const GameContext& context) {
    auto* game = OpenedGame(context);
    ASSERT_NE(game, nullptr);
    const std::vector<PlacedWord> words = game->Session.Grids().PlacedWords;
    const auto at = [game](Cell cell) {
        return QPoint(game->BoardLeft + 90 + 20 * cell.column, game->BoardTop + 77 + 18 * cell.row);
    };
    for (const PlacedWord& word : words) {
        ASSERT_TRUE(context.Forms.searcher) << word.text;
        const QPoint from = at(word.start);
        const QPoint to = at(word.end);
        QTest::mousePress(game, Qt::LeftButton, {}, from);
        QTest::mouseMove(game, (from + to) / 2);
        QTest::mouseMove(game, to);
        QTest::mouseRelease(game, Qt::LeftButton, {}, to);
    }
    // The game releases its form once no handler of it runs; outside an event loop the
    // release has to be delivered by hand.
    EXPECT_TRUE(WaitFor([&] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return context.Forms.searcher.isNull();
    }));
}

bool SawBox(const ModalDriver& answerer, const QString& text) {
    for (const SeenBox& box : answerer.Boxes()) {
        if (box.text == text) {
            return true;
        }
    }
    return false;
}

} // namespace lexiglade::test
