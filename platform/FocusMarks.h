#pragma once
// The mark of the keyboard focus: a ring around the control that has the focus, shown once the
// keyboard is in use in its window (a key pressed there, or the window opened by a key) and gone
// at the next mouse press there. The ring is a widget of its own beside the control, so a control
// draws itself exactly as it does for the mouse.
#include <QColor>

class QWidget;

namespace lexiglade {

// The ring lies this many logical pixels outside its control and is this many wide: at least two
// device pixels at every scale.
namespace FocusMark {
inline constexpr int kGap = 1;
inline constexpr int kWidth = 2;
} // namespace FocusMark

// Watches every window's keyboard and mouse input; once the application object exists.
void InstallFocusMarks();

// The ring's colour in `window`. By default it is the window's text colour, which stands out on
// the window's own ground; a window that draws its ground itself names a colour for it.
void SetFocusMarkColour(QWidget& window, const QColor& colour);

// Whether `window` shows the focus of the keyboard, as its controls' own marks do.
bool ShowsKeyboardFocus(const QWidget& window);

} // namespace lexiglade
