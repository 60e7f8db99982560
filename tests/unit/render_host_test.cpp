#include <gtest/gtest.h>

#include <cmath>

#include "host/window_icon.h"
#include "host/window_size.h"

namespace {

TEST(WindowIcon, ColumnsAreTransposedIntoRows) {
    // Each stored pixel names its own column and row, so any mix-up shows.
    unsigned char columns[windowIconBytes];
    for (int column = 0; column < windowIconSize; ++column)
        for (int row = 0; row < windowIconSize; ++row) {
            unsigned char *pixel = &columns[static_cast<std::size_t>(column * windowIconSize + row) * 4];
            pixel[0] = static_cast<unsigned char>(column);
            pixel[1] = static_cast<unsigned char>(row);
            pixel[2] = 7;
            pixel[3] = 255;
        }
    auto rows = windowIconRows(columns);
    for (int row = 0; row < windowIconSize; ++row)
        for (int column = 0; column < windowIconSize; ++column) {
            const unsigned char *pixel = &rows[static_cast<std::size_t>(row * windowIconSize + column) * 4];
            ASSERT_EQ(pixel[0], column);
            ASSERT_EQ(pixel[1], row);
            ASSERT_EQ(pixel[2], 7);
            ASSERT_EQ(pixel[3], 255);
        }
}

TEST(WindowIcon, ProgramIconIsSixtyFourSquareWithATransparentBackground) {
    ASSERT_EQ(windowIconColumnsSize, windowIconBytes);
    EXPECT_EQ(windowIconColumns[3], 0) << "the top-left corner is transparent";
}

TEST(WindowSize, FullScreenSizeRule) {
    struct Case {
        bool legacy;
        int modeWidth, modeHeight, width, height;
    } cases[] = {{true, 1920, 1080, 800, 600}, {false, 1920, 1080, 1920, 1080}, {false, 1280, 720, 1280, 720}};
    for (const auto &c : cases) {
        SurfaceSize size = fullScreenSize(c.legacy, c.modeWidth, c.modeHeight);
        EXPECT_EQ(size.width, c.width);
        EXPECT_EQ(size.height, c.height);
    }
}

TEST(WindowSize, AspectFollowsEverySizeChange) {
    setWindowSize(1920, 1080);
    EXPECT_FLOAT_EQ(windowAspect, 1920.0f / 1080.0f);
    setWindowSize(640, 480);
    EXPECT_EQ(windowWidth, 640);
    EXPECT_EQ(windowHeight, 480);
    EXPECT_FLOAT_EQ(windowAspect, 640.0f / 480.0f);
    setWindowSize(640, 0); // minimised: the aspect is not finite, and nothing stops
    EXPECT_FALSE(std::isfinite(windowAspect));
}

} // namespace
