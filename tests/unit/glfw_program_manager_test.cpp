#include <gtest/gtest.h>

#include "fake_platform.h"
#include "gfx/glfw_program_manager.h"
#include "shader_gl_fakes.h"

namespace {

class ProgramRegistry : public testing::Test {
protected:
    void SetUp() override {
        fakePlatform::reset(); // the real shader texts 137 and 136
        shaderFakes::install();
        GlRecorder::setResult("glCreateProgram", 3);
        registry.add("BackgroundProgram", 137, 136);
        GlRecorder::reset();
    }
    GLFWProgramManager registry;
};

TEST_F(ProgramRegistry, FindsTheBackgroundProgramBuiltFromItsTwoResources) {
    GLFWProgram *program = registry.find("BackgroundProgram");
    ASSERT_NE(program, nullptr);
    EXPECT_EQ(program->id(), 3u);
    ASSERT_EQ(shaderFakes::sources.size(), 2u);
    EXPECT_EQ(shaderFakes::sources[0].rfind("#version 140\r\n", 0), 0u) << "vertex shader from 137";
    EXPECT_EQ(shaderFakes::sources[1].rfind("#version 120\r\n", 0), 0u) << "fragment shader from 136";
}

TEST_F(ProgramRegistry, FindsOnlyExactlyRegisteredNames) {
    for (const char *name : {"", "backgroundprogram", "BACKGROUNDPROGRAM", "BackgroundProgram ", "Background"})
        EXPECT_EQ(registry.find(name), nullptr) << '"' << name << '"';
    EXPECT_NE(registry.find("BackgroundProgram"), nullptr) << "the one entry is still there";
}

TEST_F(ProgramRegistry, SecondAddUnderAKnownNameKeepsTheFirstProgram) {
    GLFWProgram *first = registry.find("BackgroundProgram");
    GlRecorder::setResult("glCreateProgram", 4);
    registry.add("BackgroundProgram", 137, 136);

    EXPECT_EQ(registry.find("BackgroundProgram"), first);
    EXPECT_EQ(first->id(), 3u);
    // The duplicate is released at once, and only the duplicate.
    const auto deleted = GlRecorder::callsOf("glDeleteProgram");
    ASSERT_EQ(deleted.size(), 1u);
    EXPECT_EQ(deleted[0].intArg(0), 4);
}

TEST_F(ProgramRegistry, UseMakesTheNamedProgramCurrentAndAnUnknownNameNothing) {
    registry.use("Unknown");
    registry.use("");
    EXPECT_TRUE(GlRecorder::calls().empty());

    registry.use("BackgroundProgram");
    ASSERT_EQ(GlRecorder::names(), std::vector<std::string>{"glUseProgram"});
    EXPECT_EQ(GlRecorder::calls()[0].intArg(0), 3);
}

} // namespace
