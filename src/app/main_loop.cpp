#include "app/main_loop.h"

#include <GLFW/glfw3.h>

#include "app/screensaver_args.h"
#include "gl_table.h"
#include "host/window_size.h"
#include "platform/platform.h"

void renderFrame(const SceneOperations &scene) {
    scene.time(static_cast<float>(glfwGetTime()));
    scene.prepare();
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glViewport(0, 0, windowWidth, windowHeight);
    scene.draw();
}

static bool shouldStop(GLFWwindow *window, const ScreensaverArgs &args) {
    return glfwGetKey(window, GLFW_KEY_ESCAPE) != GLFW_RELEASE || glfwWindowShouldClose(window) == GLFW_TRUE ||
           (args.mode == ScreensaverArgs::Preview && !platform::hostWindowEnabled(args.hostWindow));
}

void runMainLoop(GLFWwindow *window, const ScreensaverArgs &args, const SceneOperations &scene) {
    scene.setup();
    bool running = true;
    while (running) {
        renderFrame(scene);
        // With swap interval 1 the swap waits for the vertical blank: that paces the loop.
        glfwSwapBuffers(window);
        glfwPollEvents();
        running = !shouldStop(window, args);
    }
}
