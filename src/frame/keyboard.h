#pragma once
// The keyboard rules every screen shares.

#include <functional>

class QAction;
class QWidget;

// Calls `judge` when Enter (or the keypad Enter) is released in `field`
// after it was pressed there. A release whose press went to another widget
// (a message box closed with Enter, a button pressed with Enter that moved
// the focus) is not judged, and a held key is judged once.
void judgeOnEnter(QWidget *field, std::function<void()> judge);

// Enter and the keypad Enter press the focused push button or picture
// button, as Space does. Installed once for the whole program; every screen
// calls it when it is built.
void enterPressesButtons();
