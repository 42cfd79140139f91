#pragma once
// The row (or rows) of number buttons the child answers with: button i has
// the caption i, Arial 20.25 pt bold, and the white arrow pointer.

#include <QPoint>
#include <QSize>
#include <functional>
#include <vector>

class QPushButton;
class QWidget;

// `at`: the top-left of each button in twips; `press(i)` runs on a click of button i.
std::vector<QPushButton *> makeNumberButtons(QWidget *parent, const std::vector<QPoint> &at,
                                             QSize size, const std::function<void(int)> &press);
