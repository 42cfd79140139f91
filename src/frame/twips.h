#pragma once
// Positions and sizes are designed in twips; 15 twips make one pixel.
// Qt's high-DPI scaling takes it from there.

#include <QRect>

constexpr int twipsPerPixel = 15;

constexpr int px(int twips) { return (twips + twipsPerPixel / 2) / twipsPerPixel; }

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

// A font size in points as pixels on the design's 96 dots per inch.
constexpr int pointsToPixels(double points) { return static_cast<int>(points * 96.0 / 72.0 + 0.5); }
