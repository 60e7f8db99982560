#pragma once
// A real OpenGL context for tests: a hidden GLFW window made with the same hints as the
// screensaver's own window, current on the calling thread, with the entry-point table loaded.
#include <GLFW/glfw3.h>

#include "host/gl_loader.h"

class HiddenGlContext {
public:
    explicit HiddenGlContext(int width = 64, int height = 64) {
        glfwInit();
        glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
        glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
        glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
        window = glfwCreateWindow(width, height, "test context", nullptr, nullptr);
        if (window == nullptr) return;
        glfwMakeContextCurrent(window);
        loadResult = loadGlEntryPoints();
    }
    ~HiddenGlContext() {
        if (window != nullptr) glfwDestroyWindow(window);
        glfwTerminate();
    }
    HiddenGlContext(const HiddenGlContext &) = delete;
    HiddenGlContext &operator=(const HiddenGlContext &) = delete;

    GLFWwindow *window = nullptr;
    int loadResult = -2;
};
