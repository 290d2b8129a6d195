#pragma once

#include <QColor>

namespace hoopdeck::app {

// The contrast ratio of two colours as WCAG reckons it, 1 to 21.
double contrastRatio(const QColor &a, const QColor &b);

// The preferred colour, or the nearest darker (or, on a dark background,
// lighter) shade of it that keeps a contrast of at least 4.5:1 against the
// background, so that a caption stays readable under any desktop theme.
QColor legibleOn(const QColor &preferred, const QColor &background);

constexpr double kLegibleContrast = 4.5;

} // namespace hoopdeck::app
