#pragma once

struct GLFWwindow;
class ScreensaverArgs;

/// The render host: GLFW, the window with its OpenGL context, the icon, the GL entry points, the
/// fixed GL state and input wired to the process's exit. Construction either returns with all of
/// that in place and the context current, or ends the process.
class GLFWApplication {
public:
    explicit GLFWApplication(ScreensaverArgs &screensaverArguments);

    GLFWwindow *window() const { return glfwWindow; }
    /// true presents on the vertical blank (interval 1), false as fast as possible.
    void setSwapInterval(bool waitForVerticalBlank);

private:
    GLFWwindow *glfwWindow;
    ScreensaverArgs &args;
};

/// The render host of this process, published by the launcher.
extern GLFWApplication *application;
