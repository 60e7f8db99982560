#include <gtest/gtest.h>

#include <cstdio>

#include "gl_table.h"
#include "hidden_gl_context.h"

namespace {

TEST(GlLoader, FillsTheTableAndReadsTheVersionOfTheCurrentContext) {
    HiddenGlContext context;
    ASSERT_NE(context.window, nullptr) << "no OpenGL context on this display";

    // llvmpipe gives a compatibility context newer than 3.0 for a 2.0 request.
    EXPECT_EQ(context.loadResult, 0);
    int major = 0, minor = 0;
    const char *version = reinterpret_cast<const char *>(glGetString(GL_VERSION));
    ASSERT_NE(version, nullptr);
    ASSERT_EQ(std::sscanf(version, "%d.%d", &major, &minor), 2) << version;
    EXPECT_EQ(glContextVersion.major, major);
    EXPECT_EQ(glContextVersion.minor, minor);

    for (auto *entry : {reinterpret_cast<void *>(glClear), reinterpret_cast<void *>(glCullFace),
                        reinterpret_cast<void *>(glDrawElements), reinterpret_cast<void *>(glCreateShader),
                        reinterpret_cast<void *>(glBindFramebuffer), reinterpret_cast<void *>(glUniformMatrix4fv)})
        EXPECT_NE(entry, nullptr);
}

TEST(GlLoader, EntriesReallyDrawIntoTheContext) {
    HiddenGlContext context(16, 16);
    ASSERT_NE(context.window, nullptr);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glViewport(0, 0, 16, 16);
    glClearColor(1.0f, 0.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    unsigned char pixel[4] = {};
    glReadPixels(8, 8, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    EXPECT_EQ(pixel[0], 255);
    EXPECT_EQ(pixel[1], 0);
    EXPECT_EQ(pixel[2], 255);
}

} // namespace
