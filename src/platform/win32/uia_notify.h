#pragma once
// Windows screen readers (Narrator, NVDA) take what the program tells them
// besides the controls from UI Automation notification events, which Qt 6.4
// does not raise.

#include <QString>

class QWidget;

// Raises `text` as a notification of `window`. False where the system has no
// such events (before Windows 10 1709, and under Wine 8).
bool raiseUiaNotification(QWidget *window, const QString &text);
