#pragma once
// The catalogue's folder tree: one widget item per line of the tree file, in file order.
#include "library/TreeFile.h"

#include <QTreeWidget>

#include <vector>

namespace lexiglade {

class Outline : public QTreeWidget {
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

  signals:
    // A mouse click on an item, a keyboard move of the current item, or Enter or Space on a
    // puzzle: once per user action.
    void ItemChosen();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool OpenOnKey(QKeyEvent& event);

  private:
    TreeModel model_;
    std::vector<QTreeWidgetItem*> items_;
    bool keyboardMove_ = false;
};

} // namespace lexiglade
