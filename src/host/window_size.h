#pragma once
// Size of the drawing surface, kept by the render host and read by every frame.
#include <cstdint>

extern std::int32_t windowWidth;
extern std::int32_t windowHeight;
/// windowWidth / windowHeight in float; not finite while the height is 0 (a minimised window).
extern float windowAspect;

/// Stores a new size and recomputes the aspect.
void setWindowSize(std::int32_t width, std::int32_t height);

/// The full-screen size rule: 800 by 600 on Windows before 6.0, else the monitor's current mode.
struct SurfaceSize {
    std::int32_t width;
    std::int32_t height;
};
SurfaceSize fullScreenSize(bool legacyWindows, std::int32_t modeWidth, std::int32_t modeHeight);
