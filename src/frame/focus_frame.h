#pragma once
// The frame that shows which control has the keyboard: a black band three
// design pixels wide with a white line inside it, drawn just outside the
// focused control, so that it shows on every background colour. One frame for
// the whole program, following the focus from window to window.

class QWidget;

// Starts the frame, and the highlight of the menu bar item reached with Alt
// and the arrows (the desktop's style shows none). Call once, after the
// application object exists.
void installFocusFrame();

// A control that draws its own focus marks (the carried labels of the column
// screens) opts out with this property set to true.
inline constexpr const char *OwnFocusFrame = "ownFocusFrame";

// The frame around `w`, or nullptr when none shows (for tests).
QWidget *focusFrameOf(const QWidget *w);
