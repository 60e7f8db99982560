#include "host/window_size.h"

std::int32_t windowWidth = 0;
std::int32_t windowHeight = 0;
float windowAspect = 0.0f;

void setWindowSize(std::int32_t width, std::int32_t height) {
    windowWidth = width;
    windowHeight = height;
    windowAspect = static_cast<float>(width) / static_cast<float>(height);
}

SurfaceSize fullScreenSize(bool legacyWindows, std::int32_t modeWidth, std::int32_t modeHeight) {
    if (legacyWindows) return {800, 600};
    return {modeWidth, modeHeight};
}
