#pragma once
// Screens are made by name from one registry, and only one is open at a time:
// every move opens the next screen first, then closes the one it leaves.
// Each screen is one row of the registry: its name, the catalogue its "Esci"
// returns to, and how it is made.

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;
struct FrameDesign;

// The two exercise catalogues, screens themselves; an exercise screen returns
// to one of them.
enum class Catalogue { None, Numbers, Graphic };
QString catalogueName(Catalogue catalogue);   // the catalogue screen's name, empty for none

using ScreenFactory = std::function<QWidget *()>;

struct ScreenRow {
    QString name;                            // "Form20", also the window's objectName
    Catalogue returnsTo = Catalogue::None;
    ScreenFactory make;
};

// A second row with a name already taken ends the program at once.
void registerScreen(ScreenRow row);
// An exercise screen's row: its name and its way back are its frame's.
void registerScreen(const FrameDesign &frame, ScreenFactory make);
const ScreenRow *screenRow(const QString &name);   // nullptr for none
bool screenExists(const QString &name);
QStringList registeredScreens();   // every name, in alphabetical order

// Makes the screen called `name` and shows it centred on the display of
// `from`, then closes `from` (if any).
// Returns the new screen, or nullptr if no screen bears that name (then
// nothing changes).
QWidget *openScreen(const QString &name, QWidget *from = nullptr);
