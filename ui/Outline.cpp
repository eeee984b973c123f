#include "ui/Outline.h"

#include "platform/Texts.h"
#include "ui/Glyphs.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace lexiglade {

Outline::Outline(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(false);
    setItemsExpandable(true);
    setExpandsOnDoubleClick(true);
    setUniformRowHeights(true);
    setIndentation(18);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setIconSize(QSize(16, 16));
    setFocusPolicy(Qt::StrongFocus);
    setStyleSheet(QStringLiteral("QTreeWidget { background: white; color: black; }"
                                 "QTreeWidget::item { height: 16px; }"));
    connect(this, &QTreeWidget::itemClicked, this, [this] { emit ItemChosen(); });
    connect(this, &QTreeWidget::currentItemChanged, this, [this] {
        if (keyboardMove_) {
            emit ItemChosen();
        }
    });
}

void Outline::ShowModel() {
    clear();
    items_.clear();
    std::vector<QTreeWidgetItem*> parents; // parents[k] is the last item of level k + 1
    items_.reserve(model_.size());
    for (const TreeItem& entry : model_) {
        const auto level = static_cast<std::size_t>(entry.level);
        parents.resize(level);
        auto* item =
            level == 1 ? new QTreeWidgetItem(this) : new QTreeWidgetItem(parents[level - 2]);
        item->setText(0, LibraryText(entry.text));
        parents[level - 1] = item;
        items_.push_back(item);
    }
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const bool folder = i + 1 < model_.size() && model_[i + 1].level > model_[i].level;
        items_[i]->setIcon(0, folder || model_[i].level == 1 ? FolderGlyph() : PageGlyph());
    }
}

int Outline::SelectedIndex() const {
    const QTreeWidgetItem* current = currentItem();
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (items_[i] == current) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void Outline::SelectIndex(int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < items_.size()) {
        setCurrentItem(items_[static_cast<std::size_t>(index)]);
    }
}

void Outline::keyPressEvent(QKeyEvent* event) {
    if (OpenOnKey(*event)) {
        return;
    }
    keyboardMove_ = true;
    QTreeWidget::keyPressEvent(event);
    keyboardMove_ = false;
}

// Enter or Space opens the current puzzle, even the one opened last, or opens or closes the
// current folder.
bool Outline::OpenOnKey(QKeyEvent& event) {
    const int key = event.key();
    const QModelIndex current = currentIndex();
    if ((key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space) ||
        (event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || !current.isValid()) {
        return false;
    }
    event.accept();
    if (model()->hasChildren(current)) {
        setExpanded(current, !isExpanded(current));
    } else {
        emit ItemChosen();
    }
    return true;
}

} // namespace lexiglade
