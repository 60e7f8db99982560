// Frames per second on the current display (full screen, so the screen's size is the frame's):
//   bench_render program|effect|effect-as-program|flat [SECONDS]
// Every frame is presented with swap interval 0 and finished with glFinish, so each one is fully
// rendered before the next starts; the first frames, which compile shaders lazily, are not timed.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <GLFW/glfw3.h>

#include "frame_source.h"
#include "gl_table.h"

namespace {

constexpr int warmUpFrames = 5;
constexpr int leastTimedFrames = 10;

const FrameSource *sourceNamed(const std::string &name) {
    if (name == "program") return &programFrames;
    if (name == "effect") return &effectTriangle;
    if (name == "effect-as-program") return &effectAsProgram;
    if (name == "flat") return &flatTriangle;
    return nullptr;
}

void renderOne(const FrameSource &source, GLFWwindow *window) {
    source.draw();
    glfwSwapBuffers(window);
    glFinish();
}

} // namespace

int main(int argc, char **argv) {
    const FrameSource *source = argc > 1 ? sourceNamed(argv[1]) : nullptr;
    if (source == nullptr) {
        std::fprintf(stderr, "usage: %s program|effect|effect-as-program|flat [SECONDS]\n", argv[0]);
        return 2;
    }
    const double leastSeconds = argc > 2 ? std::atof(argv[2]) : 2.0;
    GLFWwindow *window = source->setUp();
    for (int i = 0; i < warmUpFrames; ++i) renderOne(*source, window);

    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    int frames = 0;
    double seconds = 0.0;
    while (frames < leastTimedFrames || seconds < leastSeconds) {
        renderOne(*source, window);
        ++frames;
        seconds = std::chrono::duration<double>(Clock::now() - start).count();
    }
    std::printf("%.3f\n", frames / seconds);
    return 0;
}
