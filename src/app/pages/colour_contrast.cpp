#include "colour_contrast.h"

#include <algorithm>
#include <cmath>

namespace hoopdeck::app {

namespace {
double channel(double value)
{
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}
} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor legibleOn(const QColor &preferred, const QColor &background)
{
    if (contrastRatio(preferred, background) >= kLegibleContrast)
        return preferred;
    // Towards black on a light background, towards white on a dark one,
    // keeping the hue: the blue stays a blue.
    const bool darken = luminance(background) > 0.18;
    const QColor target = darken ? QColor(Qt::black) : QColor(Qt::white);
    for (int step = 1; step <= 20; ++step) {
        const double t = step / 20.0;
        const QColor shade = QColor::fromRgbF(float(preferred.redF() + (target.redF() - preferred.redF()) * t),
                                              float(preferred.greenF() + (target.greenF() - preferred.greenF()) * t),
                                              float(preferred.blueF() + (target.blueF() - preferred.blueF()) * t));
        if (contrastRatio(shade, background) >= kLegibleContrast)
            return shade;
    }
    return target;
}

} // namespace hoopdeck::app
