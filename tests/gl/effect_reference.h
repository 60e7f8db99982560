#pragma once
// The background effect's fragment formulas in double precision, the yardstick for what GL draws.
// tools/effect_reference.py holds the same formulas for the artwork; keep all three in step.
#include <algorithm>
#include <array>
#include <cmath>

/// Unclamped colour at window position (x, y), origin bottom-left, of a width by height viewport.
inline std::array<double, 4> effectColor(double x, double y, double width, double height, double time) {
    const double pi = 3.14159265358979323846;
    const double t = time * 0.5;
    const double u = x / height * 2.0 - width / height;
    const double v = y / height * 2.0 - 0.925;
    const double r = std::hypot(u, v);
    const double a = std::atan2(u, v) / pi / 2.0 + std::sin(r + t) * 0.1;
    const double b = 0.85 + std::sin(t * 0.25) * 0.15;
    const double red = r - 0.1 * std::sin(r * pi * 2.0 + t * 4.0) - 0.1 * std::sin(a * pi * 22.0 + t * 4.0) +
                       0.4 * std::sin(a * pi * 12.0 + t) - 0.5;
    const double green = r - 0.1 * std::sin(r * pi * 3.0 + t * 5.0) - 0.1 * std::sin(a * pi * 26.0 + t * 5.0) -
                         0.4 * std::sin(a * pi * 8.0 - t) - 0.5;
    const double blue = r - 0.1 * std::sin(r * pi * 2.0 + t * 8.0) - 0.1 * std::sin(a * pi * 24.0 + t * 6.0) -
                        0.4 * std::sin(a * pi * 10.0) - 0.5;
    return {b - std::abs(red), b - std::abs(green), b - std::abs(blue), 1.0};
}

/// What an 8-bit normalised framebuffer stores for a channel value.
inline int storedChannel(double value) {
    return static_cast<int>(std::floor(std::clamp(value, 0.0, 1.0) * 255.0 + 0.5));
}
