#include "frame/twips.h"

#include <cmath>

namespace {
double runZoom = 1.0;

int nearest(double x) { return static_cast<int>(std::floor(x + 0.5)); }
} // namespace

double zoom() { return runZoom; }

void setZoom(double z) { runZoom = z >= 1.0 && z <= 3.0 ? z : 1.0; }

double pxF(double twips) { return twips * runZoom / twipsPerPixel; }

int px(int twips) { return nearest(pxF(twips)); }

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

QRect twipsRect(const QRect &box) { return twipsRect(box.x(), box.y(), box.width(), box.height()); }

QPoint twipsPoint(int left, int top) { return QPoint(px(left), px(top)); }

int designPixels(int pixels) { return nearest(pixels * runZoom); }

QSize designSize(int width, int height) { return QSize(designPixels(width), designPixels(height)); }

int pointsToPixels(double points) { return nearest(points * 96.0 / 72.0 * runZoom); }

QFont zoomedFont(QFont font)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * runZoom);
    else
        font.setPixelSize(designPixels(font.pixelSize()));
    return font;
}
