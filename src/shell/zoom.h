#pragma once
// The zoom of the run: the designs are laid out for an 800 x 600 display, so
// on a larger one every window is shown larger, keeping its proportions.

#include <QSize>
#include <QString>
#include <optional>

// The zooms the program offers, smallest first.
constexpr double zoomSteps[] = {1, 1.25, 1.5, 1.75, 2, 2.5, 3};

// The largest step at which the largest window of the program fits in
// `available` pixels; never below 1.
double chooseZoom(const QSize &available);

// A zoom asked for as a percentage ("150"), if it is one of the steps.
std::optional<double> zoomFromPercent(const QString &percent);

// The zoom asked for on the command line, judged without any display: no
// request gives no zoom and no error; a bad one gives no zoom and says why
// (the automatic zoom is then used).
struct ZoomRequest {
    std::optional<double> zoom;
    QString error;
};
ZoomRequest readZoomRequest(const std::optional<QString> &requested);

// The zoom for this run on a display that leaves `available` pixels: the one
// asked for when the largest window fits at it, otherwise the automatic
// choice. `warning` tells why a request was not followed.
double startZoom(std::optional<double> asked, const QSize &available, QString *warning);
