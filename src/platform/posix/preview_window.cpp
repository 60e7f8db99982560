// The preview on X11 draws straight into the host's window, as X screensavers do: GLX only needs a
// context of that window's visual, whoever owns the window.
#include <X11/Xlib.h>

#define GLFW_INCLUDE_NONE
#define GLFW_EXPOSE_NATIVE_X11
#include <GLFW/glfw3.h>
#include <GLFW/glfw3native.h>

#include "platform/platform.h"

namespace platform {

namespace {

// The host may unmap or destroy its window at any moment, and requests already on their way to
// it then fail. Xlib's default handler would end the process with code 1 at the next event poll;
// letting the error pass lets the main loop see the window gone and end with 0.
int ignoreXError(Display *, XErrorEvent *) { return 0; }

} // namespace

GLFWwindow *attachPreviewWindow(HostWindow window) {
    XSetErrorHandler(ignoreXError);
    return glfwAttachX11Window(static_cast<Window>(window), nullptr);
}

} // namespace platform
