#include "shell/zoom.h"

#include "frame/twips.h"

#include <cmath>

namespace {
// The largest design client area of any screen, in twips (the splash screen
// is the widest, the numbers catalogue the tallest).
constexpr int largestWidth = 14400;
constexpr int largestHeight = 10290;
// Room the window system takes around a client area, and the menu bar's
// height at zoom 1 (it grows with the zoom).
constexpr int frameWidth = 16;
constexpr int frameHeight = 40;
constexpr int menuBarHeight = 24;
} // namespace

double chooseZoom(const QSize &available)
{
    double best = zoomSteps[0];
    for (const double z : zoomSteps) {
        const int width = static_cast<int>(std::ceil(largestWidth * z / twipsPerPixel)) + frameWidth;
        const int height = static_cast<int>(std::ceil(largestHeight * z / twipsPerPixel))
                           + static_cast<int>(std::ceil(menuBarHeight * z)) + frameHeight;
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

ZoomRequest readZoomRequest(const std::optional<QString> &requested)
{
    ZoomRequest request;
    if (!requested)
        return request;
    request.zoom = zoomFromPercent(*requested);
    if (!request.zoom)
        request.error = QStringLiteral("tolvena: zoom \"%1\" non valido: si usa uno di 100, 125, 150, 175, "
                                       "200, 250, 300. Uso lo zoom automatico.")
                            .arg(*requested);
    return request;
}

double startZoom(std::optional<double> asked, const QSize &available, QString *warning)
{
    const double fitting = chooseZoom(available);
    if (!asked)
        return fitting;
    if (*asked <= fitting)
        return *asked;
    if (warning)
        *warning = QStringLiteral("tolvena: con lo zoom %1 le finestre non entrano nello schermo "
                                  "(%2 x %3): uso lo zoom %4.")
                       .arg(std::lround(*asked * 100))
                       .arg(available.width())
                       .arg(available.height())
                       .arg(std::lround(fitting * 100));
    return fitting;
}
