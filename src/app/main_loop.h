#pragma once
#include "app/scene.h"

struct GLFWwindow;
class ScreensaverArgs;

/// One frame: clock, scene time and preparation, the default framebuffer cleared over the whole
/// window, scene drawing. Does not present.
void renderFrame(const SceneOperations &scene);

/// Builds the scene once, then renders, presents and polls until Escape is held, the window is
/// closed or, in preview mode, the host window is disabled or gone.
void runMainLoop(GLFWwindow *window, const ScreensaverArgs &args, const SceneOperations &scene);
