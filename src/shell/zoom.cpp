#include "shell/zoom.h"

#include "frame/services.h"
#include "frame/twips.h"

#include <cmath>

namespace {
// The largest design client area of any screen, in twips (the splash screen
// is the widest, the numbers catalogue the tallest).
constexpr int largestWidth = 14400;
constexpr int largestHeight = 10290;
// Room the window system and the menu bar take around a client area; the
// menu bar keeps the desktop's own size at every zoom.
constexpr int frameWidth = 16;
constexpr int frameHeight = 64;
} // namespace

double chooseZoom(const QSize &available)
{
    double best = zoomSteps[0];
    for (const double z : zoomSteps) {
        const int width = static_cast<int>(std::ceil(largestWidth * z / twipsPerPixel)) + frameWidth;
        const int height = static_cast<int>(std::ceil(largestHeight * z / twipsPerPixel)) + frameHeight;
        if (width <= available.width() && height <= available.height())
            best = z;
    }
    return best;
}

std::optional<double> zoomFromPercent(const QString &percent)
{
    bool ok = false;
    const int value = percent.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    for (const double z : zoomSteps)
        if (std::lround(z * 100) == value)
            return z;
    return std::nullopt;
}

double startZoom(const std::optional<QString> &requested, QString *error)
{
    if (requested) {
        if (const auto z = zoomFromPercent(*requested))
            return *z;
        if (error)
            *error = QStringLiteral("tolvena: zoom \"%1\" non valido: si usa uno di 100, 125, 150, 175, "
                                    "200, 250, 300. Uso lo zoom automatico.")
                         .arg(*requested);
    }
    return chooseZoom(services().display->availableSize());
}
