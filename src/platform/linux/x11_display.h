#pragma once
// Switching the display mode on X11 through RandR.

// Sets the output that shows the program's screen to a mode of exactly
// width x height (any refresh rate, the one closest to the current preferred)
// and fits the desktop to it. Returns a ModeSwitch code (display_modes.h):
// 0 when the mode is set or already current, negative otherwise. Never
// blocks beyond the X server's replies; never switches back.
int switchModeX11(int width, int height);
