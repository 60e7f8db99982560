// The baseline for start-up, exit and memory: the least a GLFW program does to cover the screen
// with OpenGL. It opens a full-screen window with the screensaver's context version, clears it to
// grey (so its first frame can be seen) and presents on the vertical blank until any key or
// button, like the screensaver.
#include <cstdlib>

#include <GLFW/glfw3.h>

namespace {

void onKey(GLFWwindow *, int, int, int, int) { std::exit(0); }
void onMouseButton(GLFWwindow *, int, int, int) { std::exit(0); }

} // namespace

int main() {
    if (glfwInit() != GLFW_TRUE) return 1;
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
    GLFWmonitor *monitor = glfwGetPrimaryMonitor();
    const GLFWvidmode *mode = glfwGetVideoMode(monitor);
    GLFWwindow *window = glfwCreateWindow(mode->width, mode->height, "MinimalGlfw", monitor, nullptr);
    if (window == nullptr) return 1;
    glfwSetKeyCallback(window, onKey);
    glfwSetMouseButtonCallback(window, onMouseButton);
    glfwMakeContextCurrent(window);
    glfwSwapInterval(1);
    glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
    while (glfwWindowShouldClose(window) == GLFW_FALSE) {
        glClear(GL_COLOR_BUFFER_BIT);
        glfwSwapBuffers(window);
        glfwPollEvents();
    }
    return 0;
}
