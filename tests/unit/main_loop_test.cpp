#include <gtest/gtest.h>

#include "app/main_loop.h"
#include "gl_recorder.h"
#include "host/window_size.h"

namespace {

// The scene's steps land in the same log as the GL calls, so one list shows the frame's order.
void recordTime(float t) { GlRecorder::record("sceneTime", {GlArg{static_cast<double>(t)}}); }
void recordPrepare() { GlRecorder::record("scenePrepare", {}); }
void recordDraw() { GlRecorder::record("sceneDraw", {}); }
void recordSetup() { GlRecorder::record("sceneSetup", {}); }

const SceneOperations recordingScene = {recordSetup, recordTime, recordPrepare, recordDraw};

TEST(Frame, RunsItsStepsInOrderOverTheWholeDefaultFramebuffer) {
    GlRecorder::installStubs();
    setWindowSize(1024, 768);
    renderFrame(recordingScene);

    std::vector<std::string> expected = {"sceneTime", "scenePrepare", "glBindFramebuffer",
                                         "glClear",   "glViewport",   "sceneDraw"};
    ASSERT_EQ(GlRecorder::names(), expected);
    const auto &calls = GlRecorder::calls();
    EXPECT_EQ(calls[2].intArg(0), 0x8D40);
    EXPECT_EQ(calls[2].intArg(1), 0);
    EXPECT_EQ(calls[3].intArg(0), 0x4100);
    EXPECT_EQ(calls[4].intArg(0), 0);
    EXPECT_EQ(calls[4].intArg(1), 0);
    EXPECT_EQ(calls[4].intArg(2), 1024);
    EXPECT_EQ(calls[4].intArg(3), 768);
}

TEST(Frame, ViewportFollowsAResizeOnTheNextFrame) {
    GlRecorder::installStubs();
    setWindowSize(1024, 768);
    renderFrame(recordingScene);
    setWindowSize(300, 200);
    renderFrame(recordingScene);
    auto viewports = GlRecorder::callsOf("glViewport");
    ASSERT_EQ(viewports.size(), 2u);
    EXPECT_EQ(viewports[1].intArg(2), 300);
    EXPECT_EQ(viewports[1].intArg(3), 200);
}

} // namespace
