// The tree's model against the items of the file: every item once, in file order, under the item
// the file puts it under, with its text and picture, and found again by its index.
#include "ui/Outline.h"
#include "library/TreeFile.h"
#include "ui/Glyphs.h"

#include <gtest/gtest.h>

#include <sstream>
#include <utility>
#include <vector>

namespace lexiglade::test {
namespace {

// Each index of the model with its depth, in the order of a walk: an item, then the items under it.
void Walk(const QAbstractItemModel& model, const QModelIndex& parent, int depth,
          std::vector<std::pair<QModelIndex, int>>& walked) {
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        walked.emplace_back(index, depth);
        EXPECT_EQ(model.parent(index), parent);
        Walk(model, index, depth + 1, walked);
    }
}

TEST(Outline, ShowsEveryItemOnceInFileOrderUnderItsFolder) {
    struct Row {
        const char* what;
        const char* file;
        std::size_t items;
    };
    const Row table[] = {
        {"folders of puzzles", "Animals\r\n\tFarm\r\n\tPets\r\nSky\r\n\tPlanets\r\n", 5},
        {"three levels, two up at once",
         "A\r\n\tB\r\n\t\tC\r\n\t\tD\r\nE\r\n\tF\r\n\t\tG\r\n\tH\r\n", 8},
        {"empty lines", "A\r\n\r\n\tB\r\n\r\n", 4},
        {"first line indented", "\tA\r\n\tB\r\n", 2},
        {"items before a load error", "A\r\n\tB\r\n\t\t\tC\r\nD\r\n", 2},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.what);
        Outline outline;
        std::istringstream file(row.file);
        EXPECT_EQ(outline.topLevelItemCount(), 0);
        try {
            LoadTree(file, outline.Model());
        } catch (const std::exception&) {
        }
        outline.ShowModel();
        const TreeModel& items = outline.Model();
        ASSERT_EQ(items.size(), row.items);
        std::vector<std::pair<QModelIndex, int>> walked;
        Walk(*outline.model(), {}, 1, walked);
        ASSERT_EQ(walked.size(), items.size());
        for (std::size_t i = 0; i < items.size(); ++i) {
            const auto& [index, depth] = walked[i];
            EXPECT_EQ(depth, items[i].level) << i;
            EXPECT_EQ(index.data().toString().toStdString(), items[i].text) << i;
            const bool folder = items[i].level == 1 ||
                                (i + 1 < items.size() && items[i + 1].level > items[i].level);
            EXPECT_EQ(index.data(Qt::DecorationRole).value<QIcon>().cacheKey(),
                      (folder ? FolderGlyph() : PageGlyph()).cacheKey())
                << i;
            outline.SelectIndex(static_cast<int>(i));
            EXPECT_EQ(outline.currentIndex(), index) << i;
            EXPECT_EQ(outline.SelectedIndex(), static_cast<int>(i));
        }
    }
}

} // namespace
} // namespace lexiglade::test
