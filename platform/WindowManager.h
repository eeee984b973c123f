#pragma once
// Whether a window manager sizes the game's windows, or the game has to place them itself.

namespace lexiglade {

// False only on an X display without a window manager (no _NET_SUPPORTING_WM_CHECK window):
// there nothing maximizes a window. Other window systems always manage their windows.
bool WindowManagerRuns();

} // namespace lexiglade
