#include "platform/linux/display_modes.h"

#include <cmath>

double refreshRate(std::uint32_t dotClock, int htotal, int vtotal, bool interlace,
                   bool doubleScan)
{
    if (htotal <= 0 || vtotal <= 0)
        return 0;
    double lines = vtotal;
    if (doubleScan)
        lines *= 2;   // every line is sent twice
    if (interlace)
        lines /= 2;   // each field carries half of the lines
    return dotClock / (static_cast<double>(htotal) * lines);
}

std::optional<DisplayMode> pickMode(const std::vector<DisplayMode> &offered, int width, int height,
                                    double currentRefresh)
{
    std::optional<DisplayMode> best;
    for (const DisplayMode &m : offered) {
        if (m.width != width || m.height != height)
            continue;
        if (!best || std::abs(m.refresh - currentRefresh) < std::abs(best->refresh - currentRefresh))
            best = m;
    }
    return best;
}

int chooseOutput(const std::vector<OutputChoice> &outputs, const QString &screenName,
                 std::uint32_t primary)
{
    const int n = static_cast<int>(outputs.size());
    const auto lit = [&](int i) { return outputs[i].connected && outputs[i].crtc != 0; };
    for (int i = 0; i < n; ++i)
        if (lit(i) && !screenName.isEmpty() && outputs[i].name == screenName)
            return i;
    for (int i = 0; i < n; ++i)
        if (lit(i) && primary != 0 && outputs[i].id == primary)
            return i;
    for (int i = 0; i < n; ++i)
        if (lit(i))
            return i;
    return -1;
}

QSize desktopSizeFor(const std::vector<QRect> &crtcs, QSize minimum, QSize maximum)
{
    int w = minimum.width();
    int h = minimum.height();
    for (const QRect &r : crtcs) {
        w = std::max(w, r.x() + r.width());
        h = std::max(h, r.y() + r.height());
    }
    if (w > maximum.width() || h > maximum.height())
        return {};
    return {w, h};
}
