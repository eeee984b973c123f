#pragma once
// The catalogue's folder tree: the items of the tree file in file order, shown through a model
// that answers for the items on the screen only, so that a library of any size opens at once.
#include "library/TreeFile.h"

#include <QAbstractItemModel>
#include <QTreeView>

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace lexiglade {

// The tree items as a Qt model; an index's internal id is its item's place in file order. The
// items of a folder are listed when a view first asks for them.
class OutlineItems : public QAbstractItemModel {
    Q_OBJECT
  public:
    explicit OutlineItems(const TreeModel& items, QObject* parent = nullptr);

    // Takes in what the items hold now; every index handed out before is gone.
    void Reload();
    QModelIndex IndexOf(int item) const;
    static int ItemOf(const QModelIndex& index);

    QModelIndex index(int row, int column, const QModelIndex& parent) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent) const override;
    int columnCount(const QModelIndex& parent) const override;
    bool hasChildren(const QModelIndex& parent) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    static constexpr std::int32_t kRoot = -1;
    bool HasChildren(std::int32_t item) const;
    // The children of `item` (Root: the top-level items) in file order.
    const std::vector<std::int32_t>& Children(std::int32_t item) const;
    int RowOf(std::int32_t item) const;

    const TreeModel& items_;
    std::vector<std::int32_t> parents_; // per item: its parent, or Root
    mutable std::unordered_map<std::int32_t, std::vector<std::int32_t>> children_;
};

class Outline : public QTreeView {
    Q_OBJECT
  public:
    explicit Outline(QWidget* parent = nullptr);

    // Shows the items of Model(), folders collapsed.
    void ShowModel();
    const TreeModel& Model() const { return model_; }
    TreeModel& Model() { return model_; }
    // Index in file order of the selected item, or -1.
    int SelectedIndex() const;
    void SelectIndex(int index);
    int topLevelItemCount() const;

  signals:
    // A mouse click on an item, a keyboard move of the current item, or Enter or Space on a
    // puzzle: once per user action.
    void ItemChosen();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool OpenOnKey(QKeyEvent& event);

  private:
    TreeModel model_;
    OutlineItems* items_; // a child of the view, so that it outlives the view's own teardown
    bool keyboardMove_ = false;
};

} // namespace lexiglade
