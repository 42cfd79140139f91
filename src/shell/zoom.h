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

// The zoom for this run: the one asked for, when there is such a request and
// it is good; otherwise the automatic choice for the display. `error` tells
// why a request was refused.
double startZoom(const std::optional<QString> &requested, QString *error);
