#pragma once
// The drop-down list of picture hints: every item is its picture, 80 pixels high.
#include "platform/GdiBitmap.h"

#include <QComboBox>

#include <memory>
#include <vector>

namespace lexiglade {

class HintPictureCombo : public QComboBox {
    Q_OBJECT
  public:
    // Each item's data is the index of its picture in `pictures`.
    HintPictureCombo(const std::vector<std::unique_ptr<Bitmap>>& pictures, QWidget* parent);

    static constexpr int kItemHeight = 80;
    // The closed list, which shows its current picture scaled down, fits the board's bottom band.
    static constexpr int kClosedHeight = 56;
    // Draws item `index`'s picture at the rectangle's top-left corner, at its own size.
    void Combo2DrawItem(QPainter& painter, int index, const QRect& rect) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const QImage* PictureOf(int index) const;

    const std::vector<std::unique_ptr<Bitmap>>& pictures_;
};

} // namespace lexiglade
