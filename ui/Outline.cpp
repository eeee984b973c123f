#include "ui/Outline.h"

#include "platform/Texts.h"
#include "ui/Glyphs.h"

#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>

namespace lexiglade {

OutlineItems::OutlineItems(const TreeModel& items, QObject* parent)
    : QAbstractItemModel(parent), items_(items) {}

void OutlineItems::Reload() {
    beginResetModel();
    children_.clear();
    parents_.assign(items_.size(), kRoot);
    std::vector<std::int32_t> lastAt; // lastAt[k]: the last item of level k + 1 so far
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const auto level = static_cast<std::size_t>(items_[i].level);
        lastAt.resize(level);
        parents_[i] = level > 1 ? lastAt[level - 2] : kRoot;
        lastAt[level - 1] = static_cast<std::int32_t>(i);
    }
    endResetModel();
}

bool OutlineItems::HasChildren(std::int32_t item) const {
    const auto next = static_cast<std::size_t>(item) + 1;
    return next < items_.size() && items_[next].level > items_[next - 1].level;
}

const std::vector<std::int32_t>& OutlineItems::Children(std::int32_t item) const {
    const auto known = children_.find(item);
    if (known != children_.end()) {
        return known->second;
    }
    std::vector<std::int32_t>& children = children_[item];
    const int level = item == kRoot ? 0 : items_[static_cast<std::size_t>(item)].level;
    for (std::size_t i = static_cast<std::size_t>(item + 1);
         i < items_.size() && items_[i].level > level; ++i) {
        if (items_[i].level == level + 1) {
            children.push_back(static_cast<std::int32_t>(i));
        }
    }
    return children;
}

// Children are listed in file order, so an item's row is found by halving.
int OutlineItems::RowOf(std::int32_t item) const {
    const std::vector<std::int32_t>& siblings = Children(parents_[static_cast<std::size_t>(item)]);
    return static_cast<int>(std::lower_bound(siblings.begin(), siblings.end(), item) -
                            siblings.begin());
}

QModelIndex OutlineItems::IndexOf(int item) const {
    if (item < 0 || static_cast<std::size_t>(item) >= parents_.size()) {
        return {};
    }
    return createIndex(RowOf(item), 0, static_cast<quintptr>(item));
}

int OutlineItems::ItemOf(const QModelIndex& index) {
    return index.isValid() ? static_cast<int>(index.internalId()) : -1;
}

QModelIndex OutlineItems::index(int row, int column, const QModelIndex& parent) const {
    const std::vector<std::int32_t>& children = Children(parent.isValid() ? ItemOf(parent) : kRoot);
    if (row < 0 || static_cast<std::size_t>(row) >= children.size() || column != 0) {
        return {};
    }
    return createIndex(row, 0, static_cast<quintptr>(children[static_cast<std::size_t>(row)]));
}

QModelIndex OutlineItems::parent(const QModelIndex& child) const {
    const std::int32_t above =
        child.isValid() ? parents_[static_cast<std::size_t>(ItemOf(child))] : kRoot;
    return above == kRoot ? QModelIndex() : IndexOf(above);
}

int OutlineItems::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0) {
        return 0;
    }
    return static_cast<int>(Children(parent.isValid() ? ItemOf(parent) : kRoot).size());
}

int OutlineItems::columnCount(const QModelIndex&) const {
    return 1;
}

bool OutlineItems::hasChildren(const QModelIndex& parent) const {
    return parent.isValid() ? HasChildren(ItemOf(parent)) : !items_.empty();
}

// A folder's picture for every top-level item and every item with items under it, a page's for
// the others; the text as the file holds it.
QVariant OutlineItems::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const std::int32_t item = ItemOf(index);
    const TreeItem& entry = items_[static_cast<std::size_t>(item)];
    if (role == Qt::DisplayRole) {
        return LibraryText(entry.text);
    }
    if (role == Qt::DecorationRole) {
        return entry.level == 1 || HasChildren(item) ? FolderGlyph() : PageGlyph();
    }
    return {};
}

Qt::ItemFlags OutlineItems::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

Outline::Outline(QWidget* parent) : QTreeView(parent), items_(new OutlineItems(model_, this)) {
    setModel(items_);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(true);
    setExpandsOnDoubleClick(true);
    setUniformRowHeights(true);
    setIndentation(18);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setIconSize(QSize(16, 16));
    setFocusPolicy(Qt::StrongFocus);
    setStyleSheet(QStringLiteral("QTreeView { background: white; color: black; }"
                                 "QTreeView::item { height: 16px; }"));
    connect(this, &QAbstractItemView::clicked, this, [this] { emit ItemChosen(); });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        if (keyboardMove_) {
            emit ItemChosen();
        }
    });
}

void Outline::ShowModel() {
    items_->Reload();
}

int Outline::SelectedIndex() const {
    return OutlineItems::ItemOf(currentIndex());
}

void Outline::SelectIndex(int index) {
    const QModelIndex item = items_->IndexOf(index);
    if (item.isValid()) {
        setCurrentIndex(item);
    }
}

int Outline::topLevelItemCount() const {
    return items_->rowCount({});
}

void Outline::keyPressEvent(QKeyEvent* event) {
    if (OpenOnKey(*event)) {
        return;
    }
    keyboardMove_ = true;
    QTreeView::keyPressEvent(event);
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
