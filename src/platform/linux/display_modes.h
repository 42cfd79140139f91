#pragma once
// The choices behind switching the display mode, kept apart from the X11 calls
// so that they can be checked without a display: which output shows the
// program, which of its modes to set, and how large the desktop must then be.

#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// Result codes of the switch through RandR. 0 is the only success; X11 never
// asks for a restart, so 1 (switched after a restart, on Windows) is never
// returned here.
namespace ModeSwitch {
constexpr int Done = 0;
constexpr int NotX11 = -1;      // Wayland, offscreen, no display
constexpr int NoRandr = -2;     // the X server lacks RandR 1.2
constexpr int NoOutput = -3;    // no output that shows the screen, or no CRTC
constexpr int NoMode = -4;      // the output offers no mode of that size
constexpr int Refused = -5;     // the server refused the change
}

struct DisplayMode {
    std::uint32_t id = 0;
    int width = 0;
    int height = 0;
    double refresh = 0;   // Hz, 0 when unknown
};

// The refresh rate of a mode line, 0 when the totals are unknown.
double refreshRate(std::uint32_t dotClock, int htotal, int vtotal, bool interlace,
                   bool doubleScan);

// The mode of exactly width x height whose rate is closest to `currentRefresh`;
// on a tie the first offered. Nothing when no mode has that size.
std::optional<DisplayMode> pickMode(const std::vector<DisplayMode> &offered, int width, int height,
                                    double currentRefresh);

struct OutputChoice {
    std::uint32_t id = 0;
    QString name;
    bool connected = false;
    std::uint32_t crtc = 0;   // 0: the output shows nothing
};

// Index of the output that shows the program's screen: the one named like it,
// else the primary output, else the first connected output with a CRTC; -1
// when none is lit.
int chooseOutput(const std::vector<OutputChoice> &outputs, const QString &screenName,
                 std::uint32_t primary);

// The desktop size that holds every lit CRTC, clamped below by `minimum`;
// an invalid size when it would not fit in `maximum`.
QSize desktopSizeFor(const std::vector<QRect> &crtcs, QSize minimum, QSize maximum);
