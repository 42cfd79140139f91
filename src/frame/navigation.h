#pragma once
// Screens are made by name from one registry, and only one is open at a time:
// every move opens the next screen first, then closes the one it leaves.

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

using ScreenFactory = std::function<QWidget *()>;

void registerScreen(const QString &name, ScreenFactory factory);
bool screenExists(const QString &name);
QStringList registeredScreens();   // every name, in alphabetical order

// Makes the screen called `name` and shows it centred on the display of
// `from`, then closes `from` (if any).
// Returns the new screen, or nullptr if no screen bears that name (then
// nothing changes).
QWidget *openScreen(const QString &name, QWidget *from = nullptr);
