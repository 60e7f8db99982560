// GLFW started and stopped many times in one process, as the GL tests do and as a failed start
// does once before the process ends.
#include <windows.h>

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

namespace {

// Starting GLFW probes for game controllers, which makes Wine's XInput start a polling thread.
// A stop that unloads XInput races that thread: when the thread loses, it runs on in unmapped code
// and the whole process dies of a page fault, the test binary with it.
TEST(GlfwRestart, StoppingGlfwLeavesNoThreadInAnUnloadedLibrary) {
    for (int round = 0; round < 60; ++round) {
        ASSERT_EQ(glfwInit(), GLFW_TRUE);
        glfwTerminate();
    }
    Sleep(100); // time for a stray thread to reach its fault
}

} // namespace
