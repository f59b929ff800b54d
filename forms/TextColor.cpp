#include "TextColor.h"

#include <algorithm>
#include <cmath>

namespace forms {
namespace {

constexpr double ReadableContrast = 4.5;
constexpr Rgb Black = 0x000000;

double linear(Rgb channel)
{
    const double c = static_cast<double>(channel & 0xFF) / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(Rgb color)
{
    return 0.2126 * linear(color >> 16) + 0.7152 * linear(color >> 8) + 0.0722 * linear(color);
}

// From 1, for the same colour, to 21, for black and white.
double contrastRatio(Rgb a, Rgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

Rgb textColorOn(Rgb background, Rgb systemText)
{
    if (contrastRatio(background, systemText) >= ReadableContrast)
        return systemText;
    return contrastRatio(background, Black) >= contrastRatio(background, White) ? Black : White;
}

} // namespace forms
