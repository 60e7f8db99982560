#include "host/glfw_application.h"

#include <GLFW/glfw3.h>

#include "app/screensaver_args.h"
#include "gl_table.h"
#include "host/gl_loader.h"
#include "host/window_icon.h"
#include "host/window_size.h"
#include "platform/platform.h"

GLFWApplication *application = nullptr;

namespace {

void onGlfwError(int /*code*/, const char *description) {
    platform::showMessageBox(description, "Error", platform::iconInformation);
}

void onWindowSize(GLFWwindow *, int width, int height) { setWindowSize(width, height); }

// A screensaver ends on any key or button, pressed, repeated or released.
void onKey(GLFWwindow *, int, int, int, int) { platform::exitProcess(); }
void onMouseButton(GLFWwindow *, int, int, int) { platform::exitProcess(); }

[[noreturn]] void failToOpenWindow() {
    platform::showMessageBox("Failed to open window", "Debug", platform::iconInformation);
    glfwTerminate();
    platform::exitProcess();
}

SurfaceSize surfaceSize(const ScreensaverArgs &args) {
    if (args.mode == ScreensaverArgs::Preview) {
        SurfaceSize size = {0, 0};
        platform::hostWindowClientSize(args.hostWindow, size.width, size.height);
        return size;
    }
    // Without a monitor (GLFW failed to start) the window cannot open either: the size is moot.
    GLFWmonitor *monitor = glfwGetPrimaryMonitor();
    const GLFWvidmode *mode = monitor != nullptr ? glfwGetVideoMode(monitor) : nullptr;
    return fullScreenSize(platform::isLegacyWindows(), mode ? mode->width : 0, mode ? mode->height : 0);
}

void setWindowHints() {
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
    glfwWindowHint(GLFW_CONTEXT_ROBUSTNESS, GLFW_LOSE_CONTEXT_ON_RESET);
    glfwWindowHint(GLFW_SAMPLES, 0);
    glfwWindowHint(GLFW_STEREO, 0);
}

void setIcon(GLFWwindow *window) {
    auto rows = windowIconRows(windowIconColumns);
    GLFWimage icon = {windowIconSize, windowIconSize, rows.data()};
    glfwSetWindowIcon(window, 1, &icon);
}

void setFixedGlState() {
    glCullFace(GL_BACK);
    glFrontFace(GL_CW);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_MULTISAMPLE);
    glDisable(GL_LINE_SMOOTH);
    glDisable(GL_POLYGON_SMOOTH);
}

} // namespace

GLFWApplication::GLFWApplication(ScreensaverArgs &screensaverArguments)
    : glfwWindow(nullptr), args(screensaverArguments) {
    glfwSetErrorCallback(onGlfwError);
    if (glfwInit() != GLFW_TRUE)
        platform::showMessageBox("Failed to initialize GLFW", "Debug", platform::iconInformation);

    SurfaceSize size = surfaceSize(args);
    setWindowSize(size.width, size.height);
    setWindowHints();

    if (args.mode == ScreensaverArgs::Preview)
        glfwWindow = platform::attachPreviewWindow(args.hostWindow);
    else
        glfwWindow =
            glfwCreateWindow(windowWidth, windowHeight, "VorluneScreensaver", glfwGetPrimaryMonitor(), nullptr);
    if (glfwWindow == nullptr) failToOpenWindow();

    glfwSetWindowSizeCallback(glfwWindow, onWindowSize);
    glfwSetKeyCallback(glfwWindow, onKey);
    glfwSetMouseButtonCallback(glfwWindow, onMouseButton);
    glfwMakeContextCurrent(glfwWindow);
    setIcon(glfwWindow);
    loadGlEntryPoints(); // a context older than 3.0 still draws with what it has
    setFixedGlState();
    setSwapInterval(true);
    glfwSetInputMode(glfwWindow, GLFW_CURSOR, GLFW_CURSOR_HIDDEN);
}

void GLFWApplication::setSwapInterval(bool waitForVerticalBlank) { glfwSwapInterval(waitForVerticalBlank ? 1 : 0); }
