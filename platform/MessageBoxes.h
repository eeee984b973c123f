#pragma once
// The game's message boxes. Each is modal and belongs to the active game window, so it stays above
// a stay-on-top puzzle screen; timers and other events keep arriving while it is open. When a box
// closes, the full-screen forms under it are painted again. Every text is shown as plain text. The
// title bar has only the close box, and the box is wide enough for its whole caption.
#include <QString>

class QWidget;

namespace lexiglade {

// Caption "Information", information icon, one OK button.
void ShowInformation(const QString& text);
// Caption "Verify", question icon, Yes and No; true for Yes.
bool AskVerify(const QString& text);
// Caption "Lexiglade", stop icon, one OK button; shows the error's text followed by ".".
void ShowErrorBox(const QString& errorText);

// The window that owns boxes and dialogs: the active window, else the topmost visible game form.
QWidget* DialogOwner();

} // namespace lexiglade
