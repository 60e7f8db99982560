#include <gtest/gtest.h>

#include <cmath>

#include "app/background_scene.h"
#include "app/scene_state.h"
#include "gl_table.h"
#include "hidden_gl_context.h"
#include "host/window_size.h"
#include "scene/camera.h"
#include "scene/transforms.h"

namespace {

struct Pixel {
    int r, g, b;
};

Pixel readPixel(int x, int y) {
    unsigned char rgba[4] = {};
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return {rgba[0], rgba[1], rgba[2]};
}

// The whole scene on a real context: set up once, then frames at a chosen time, drawn through the
// same steps the main loop takes. Known fragments of the effect show that geometry, attributes and
// uniforms all reached the shader.
TEST(Scene, DrawsTheEffectOverTheWholeWindowAndFollowsAResize) {
    HiddenGlContext context(80, 60);
    ASSERT_NE(context.window, nullptr);
    setWindowSize(80, 60);
    backgroundScene.setup();

    auto frameAt = [](float t) {
        backgroundScene.time(t);
        backgroundScene.prepare();
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glViewport(0, 0, windowWidth, windowHeight);
        backgroundScene.draw();
    };

    struct Expected {
        float t;
        int x, y;
        Pixel colour;
    } cases[] = {{0.0f, 40, 42, {115, 166, 130}}, {10.0f, 10, 10, {232, 0, 176}}, {0.0f, 0, 0, {0, 0, 0}}};
    for (const auto &c : cases) {
        frameAt(c.t);
        Pixel p = readPixel(c.x, c.y);
        // about (0.45, 0.65, 0.51), (0.91, 0.00, 0.69) and black, within a few steps of 1/255
        EXPECT_NEAR(p.r, c.colour.r, 4) << "t=" << c.t << " at " << c.x << "," << c.y;
        EXPECT_NEAR(p.g, c.colour.g, 4) << "t=" << c.t << " at " << c.x << "," << c.y;
        EXPECT_NEAR(p.b, c.colour.b, 4) << "t=" << c.t << " at " << c.x << "," << c.y;
    }

    setWindowSize(60, 40);
    frameAt(3.0f);
    EXPECT_FLOAT_EQ(sceneState->viewportWidth(), 60.0f);
    EXPECT_FLOAT_EQ(sceneState->viewportHeight(), 40.0f);
    EXPECT_FLOAT_EQ(sceneState->time(), 3.0f);
    Mat4 expected = perspective(40.0f, 60.0f / 40.0f, 0.1f, 1000.0f);
    Mat4 projection = camera->projection();
    for (int i = 0; i < 16; ++i) EXPECT_FLOAT_EQ(projection.data()[i], expected.data()[i]);
}

} // namespace
