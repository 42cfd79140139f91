#pragma once
// Colours, fonts, pictures and mouse pointers shared by every screen.

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QString>
#include <array>
#include <cstdint>

class QWidget;

// Colours are written &H00BBGGRR, as the screen designs give them.
QColor bgr(std::uint32_t value);

// The background palette: entry 0 holds no colour and is never picked.
const std::array<std::uint32_t, 19> &palette();

// A random background colour from the palette, entries 1 to 18.
QColor ColoreCasuale();

// Paints a widget's background in a colour, with a one-pixel border of
// another if `border` is valid.
void setBackground(QWidget *w, const QColor &colour, const QColor &border = QColor());
QColor background(const QWidget *w);

// The named faces of the design, mapped to free look-alikes, sized in points
// on the design's 96 dots per inch.
QFont designFont(const QString &family, double points, bool bold = true);
void installFonts();   // once, before the first screen
// Qt's own texts (the fields' context menu, the standard buttons) in
// Italian, whatever the machine's language. False when Qt's translations
// are not installed; the English texts then stay.
bool installQtItalian();

// Pictures and pointers drawn by the project.
QIcon picture(const QString &name);                  // "fish", "happy"...
QCursor pointer(const QString &name);                // "fish", "arrow_big"...
// A picture as a window's icon: a few small sizes drawn once, where the
// picture itself would be drawn by the window system at many large ones
// before the window can show.
QIcon windowPicture(const QString &name);
void initLook();                                     // loads the resources
