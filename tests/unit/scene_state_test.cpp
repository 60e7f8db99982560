#include <gtest/gtest.h>

#include <limits>

#include "app/scene_state.h"

namespace {

TEST(SceneState, StoresValuesUnchangedAndStartsWithAnEmptyViewport) {
    GLFWSceneState state(0.0f);
    EXPECT_EQ(state.time(), 0.0f);
    EXPECT_EQ(state.viewportWidth(), 0.0f);
    EXPECT_EQ(state.viewportHeight(), 0.0f);

    // No clamping, rounding or guard against zero: odd values come back as they went in.
    const float big = std::numeric_limits<float>::max();
    state.setTime(123456.789f);
    state.setViewportSize(1279.5f, 0.0f);
    EXPECT_EQ(state.time(), 123456.789f);
    EXPECT_EQ(state.viewportWidth(), 1279.5f);
    EXPECT_EQ(state.viewportHeight(), 0.0f);
    state.setTime(-1.0f);
    state.setViewportSize(-3.0f, big);
    EXPECT_EQ(state.time(), -1.0f);
    EXPECT_EQ(state.viewportWidth(), -3.0f);
    EXPECT_EQ(state.viewportHeight(), big);
}

} // namespace
