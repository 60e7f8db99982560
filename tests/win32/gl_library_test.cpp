#include <windows.h>

#include <gtest/gtest.h>

#include "gl_table.h"
#include "hidden_gl_context.h"

namespace {

template <typename Function>
void *address(Function function) {
    return reinterpret_cast<void *>(function);
}

TEST(GlLibrary, OldFunctionsComeFromTheLibraryAndNewOnesFromTheDriver) {
    HiddenGlContext context;
    ASSERT_NE(context.window, nullptr);
    HMODULE library = GetModuleHandleA("opengl32.dll");
    ASSERT_NE(library, nullptr);

    // OpenGL 1.0 and 1.1: the driver lookup does not know them; the library exports them.
    for (const char *name : {"glClear", "glViewport", "glCullFace", "glDrawElements"})
        EXPECT_EQ(wglGetProcAddress(name), nullptr) << name;
    EXPECT_EQ(address(glClear), address(GetProcAddress(library, "glClear")));
    EXPECT_EQ(address(glDrawElements), address(GetProcAddress(library, "glDrawElements")));

    // Everything newer comes from the driver for the current context.
    EXPECT_EQ(GetProcAddress(library, "glCreateShader"), nullptr);
    EXPECT_EQ(address(glCreateShader), address(wglGetProcAddress("glCreateShader")));
    EXPECT_EQ(address(glBindFramebuffer), address(wglGetProcAddress("glBindFramebuffer")));
}

} // namespace
