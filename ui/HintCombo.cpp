#include "ui/HintCombo.h"

#include <QPainter>
#include <QStylePainter>
#include <QStyledItemDelegate>

namespace lexiglade {

namespace {

class PictureDelegate : public QStyledItemDelegate {
  public:
    explicit PictureDelegate(HintPictureCombo& combo)
        : QStyledItemDelegate(&combo), combo_(combo) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painter->fillRect(option.rect, Qt::white);
        combo_.Combo2DrawItem(*painter, index.row(), option.rect);
        if (option.state & QStyle::State_Selected) {
            painter->setPen(QPen(QColor(0, 120, 215), 2));
            painter->drawRect(option.rect.adjusted(1, 1, -1, -1));
        }
    }

    // Combo2MeasureItem: every item is 80 pixels high.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return {option.rect.width(), HintPictureCombo::kItemHeight};
    }

  private:
    HintPictureCombo& combo_;
};

} // namespace

HintPictureCombo::HintPictureCombo(const std::vector<std::unique_ptr<Bitmap>>& pictures,
                                   QWidget* parent)
    : QComboBox(parent), pictures_(pictures) {
    setEditable(false);
    setItemDelegate(new PictureDelegate(*this));
}

const QImage* HintPictureCombo::PictureOf(int index) const {
    bool ok = false;
    const int picture = itemData(index).toInt(&ok);
    if (!ok || picture < 0 || static_cast<std::size_t>(picture) >= pictures_.size() ||
        !pictures_[static_cast<std::size_t>(picture)]) {
        return nullptr; // the pictures are freed when the game ends
    }
    return &pictures_[static_cast<std::size_t>(picture)]->Image();
}

void HintPictureCombo::Combo2DrawItem(QPainter& painter, int index, const QRect& rect) const {
    if (const QImage* picture = PictureOf(index)) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform); // on a scaled screen
        painter.drawImage(rect.topLeft(), *picture);
    }
}

// The closed list shows its current picture, scaled down to fit the box.
void HintPictureCombo::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect face =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    if (const QImage* picture = PictureOf(currentIndex())) {
        // Scaled once, straight to the screen's device pixels.
        const double ratio = devicePixelRatioF();
        QImage small =
            picture->scaled(face.size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        small.setDevicePixelRatio(ratio);
        painter.drawImage(face.topLeft(), small);
    }
}

} // namespace lexiglade
