#include "platform/CaptionFit.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace lexiglade {

namespace {

// The space a push button leaves between its icon and its caption.
constexpr int kIconSpacing = 4;

// The width the caption of `control` lacks in the room its style gives it.
int MissingWidth(const QWidget& control) {
    // Measured as the style measures a caption for its size hint.
    const auto width = [&](const QString& text) {
        return control.fontMetrics().size(Qt::TextShowMnemonic, text).width();
    };
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        return width(label->text()) - label->contentsRect().width();
    }
    const auto* button = qobject_cast<const QAbstractButton*>(&control);
    if (button == nullptr) {
        return 0;
    }
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    int needed = width(button->text());
    QStyle::SubElement room = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(button) != nullptr) {
        room = QStyle::SE_CheckBoxContents;
    } else if (qobject_cast<const QRadioButton*>(button) != nullptr) {
        room = QStyle::SE_RadioButtonContents;
    } else if (!button->icon().isNull()) {
        needed += button->iconSize().width() + kIconSpacing;
    }
    return needed - button->style()->subElementRect(room, &option, button).width();
}

} // namespace

void WidenToCaption(QWidget& control, Qt::AlignmentFlag keep) {
    const int missing = MissingWidth(control);
    if (missing <= 0) {
        return;
    }
    QRect place = control.geometry();
    if (keep == Qt::AlignRight) {
        place.setLeft(place.left() - missing);
    } else {
        place.setWidth(place.width() + missing);
    }
    control.setGeometry(place);
}

void WidenToWrappedCaption(QLabel& label) {
    // One line always fits: no caption needs more than this many times the height in width.
    constexpr int kWidestShape = 8;
    int width = label.width();
    while (label.heightForWidth(width) > label.height() && width < label.height() * kWidestShape) {
        ++width;
    }
    label.resize(width, label.height());
}

} // namespace lexiglade
