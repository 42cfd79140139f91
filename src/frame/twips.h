#pragma once
// Positions and sizes are designed in twips; 15 twips make one pixel at
// zoom 1. The program picks one zoom for the whole run before the first
// window opens, and every design unit becomes pixels here and nowhere else.
// Qt's high-DPI scaling takes it from there.

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>

constexpr int twipsPerPixel = 15;

// The zoom of the run: 1 shows the designs at 15 twips a pixel.
double zoom();
void setZoom(double z);

// Twips to whole pixels, rounded to the nearest (halves up).
int px(int twips);
// Twips to fractional pixels, for drawing.
double pxF(double twips);

QRect twipsRect(int left, int top, int width, int height);
QRect twipsRect(const QRect &box);
QPoint twipsPoint(int left, int top);

// A size designed in pixels at 96 dots per inch (the 32 x 32 pictures and
// pointers) at the zoom.
int designPixels(int pixels);
QSize designSize(int width, int height);

// A font size in points as pixels on the design's 96 dots per inch, zoomed.
int pointsToPixels(double points);

// A desktop font at the run's zoom, its face kept: for the menu bars and the
// message boxes, which keep the desktop's look.
QFont zoomedFont(QFont font);
