#include <gtest/gtest.h>

#include "fake_platform.h"
#include "gfx/glfw_program.h"
#include "shader_gl_fakes.h"

namespace {

using shaderFakes::fragmentShaderName;
using shaderFakes::vertexShaderName;

constexpr int vertexId = 901;
constexpr int fragmentId = 902;
constexpr GLuint programName = 3;

void provideSources() {
    fakePlatform::reset();
    fakePlatform::setTextResource(vertexId, "void main() { gl_Position = vec4(0.0); }\r\n//~\r\nafter");
    fakePlatform::setTextResource(fragmentId, "void main() { gl_FragColor = vec4(1.0); }\r\n//~\r\n");
    shaderFakes::install();
    GlRecorder::setResult("glCreateProgram", programName);
}

TEST(ProgramConstruction, CreatesTheProgramFirstCompilesBothShadersThenAttachesAndLinks) {
    provideSources();
    GLFWProgram program(vertexId, fragmentId);

    const std::vector<std::string> expected = {"glCreateProgram", "glCreateShader", "glShaderSource", "glCompileShader",
                                               "glGetShaderiv",   "glCreateShader", "glShaderSource", "glCompileShader",
                                               "glGetShaderiv",   "glAttachShader", "glAttachShader", "glLinkProgram"};
    ASSERT_EQ(GlRecorder::names(), expected);
    const auto &calls = GlRecorder::calls();
    EXPECT_EQ(calls[1].intArg(0), GL_VERTEX_SHADER);
    EXPECT_EQ(calls[5].intArg(0), GL_FRAGMENT_SHADER);
    for (std::size_t i : {2u, 6u}) {
        EXPECT_EQ(calls[i].intArg(1), 1) << "one string";
        EXPECT_EQ(calls[i].pointerArg(2), nullptr) << "no length array";
    }
    EXPECT_EQ(calls[2].intArg(0), vertexShaderName);
    EXPECT_EQ(calls[6].intArg(0), fragmentShaderName);
    EXPECT_EQ(calls[4].intArg(1), GL_COMPILE_STATUS);
    EXPECT_EQ(calls[8].intArg(1), GL_COMPILE_STATUS);
    EXPECT_EQ(calls[9].intArg(0), programName);
    EXPECT_EQ(calls[9].intArg(1), vertexShaderName);
    EXPECT_EQ(calls[10].intArg(1), fragmentShaderName);
    EXPECT_EQ(calls[11].intArg(0), programName);

    const std::vector<std::string> sources = {"void main() { gl_Position = vec4(0.0); }\r\n//",
                                              "void main() { gl_FragColor = vec4(1.0); }\r\n//"};
    EXPECT_EQ(shaderFakes::sources, sources);
    EXPECT_EQ(program.id(), programName);
    EXPECT_TRUE(fakePlatform::messageBoxes().empty());
}

TEST(ProgramConstruction, UseMakesTheProgramCurrent) {
    provideSources();
    GLFWProgram program(vertexId, fragmentId);
    GlRecorder::reset();
    program.use();
    ASSERT_EQ(GlRecorder::names(), std::vector<std::string>{"glUseProgram"});
    EXPECT_EQ(GlRecorder::calls()[0].intArg(0), programName);
}

struct CompileFailure {
    const char *what;
    GLuint failing;
    std::string log;
    const char *expectedStderr;
};

class ProgramCompileFailure : public testing::TestWithParam<CompileFailure> {};

// The fakes print created and deleted shaders to standard error beside the boxes, so the whole
// output shows the order, and that nothing follows the failing shader.
TEST_P(ProgramCompileFailure, ShowsTheLogThenTheFixedBoxAndExitsWithZero) {
    provideSources();
    shaderFakes::failingShader = GetParam().failing;
    shaderFakes::infoLog = GetParam().log;
    shaderFakes::traceOnStderr = true;
    EXPECT_EXIT(GLFWProgram(vertexId, fragmentId), testing::ExitedWithCode(0), GetParam().expectedStderr);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProgramCompileFailure,
                         testing::Values(CompileFailure{"vertex", vertexShaderName, "0:1(1): error: syntax error",
                                                        "^\\[glCreateShader 35633\\]\n"
                                                        "\\[box Debug\\] 0:1\\(1\\): error: syntax error\n"
                                                        "\\[box Debug\\] Vertex shader compilation error\n"
                                                        "\\[glDeleteShader 10\\]\n$"},
                                         CompileFailure{"vertexEmptyLog", vertexShaderName, "",
                                                        "^\\[glCreateShader 35633\\]\n"
                                                        "\\[box Debug\\] \n"
                                                        "\\[box Debug\\] Vertex shader compilation error\n"
                                                        "\\[glDeleteShader 10\\]\n$"},
                                         CompileFailure{"fragment", fragmentShaderName, "0:7(2): error: undeclared",
                                                        "^\\[glCreateShader 35633\\]\n"
                                                        "\\[glCreateShader 35632\\]\n"
                                                        "\\[box Debug\\] 0:7\\(2\\): error: undeclared\n"
                                                        "\\[box Debug\\] Fragment shader compilation error\n"
                                                        "\\[glDeleteShader 11\\]\n$"}),
                         [](const auto &testCase) { return std::string(testCase.param.what); });

class LocationCache : public testing::Test {
protected:
    void SetUp() override {
        provideSources();
        program = std::make_unique<GLFWProgram>(vertexId, fragmentId);
        GlRecorder::reset();
        GlRecorder::setResult("glGetUniformLocation", 5);
        GlRecorder::setResult("glGetAttribLocation", 7);
    }
    std::size_t glQueries() const {
        return GlRecorder::callsOf("glGetUniformLocation").size() + GlRecorder::callsOf("glGetAttribLocation").size();
    }
    std::unique_ptr<GLFWProgram> program;
};

TEST_F(LocationCache, AsksGlOnceForTheProgramAndNameOfEachKind) {
    EXPECT_EQ(program->uniformLocation("iTime"), 5);
    EXPECT_EQ(program->attributeLocation("position"), 7);
    EXPECT_EQ(program->uniformLocation("iTime"), 5);
    EXPECT_EQ(program->attributeLocation("position"), 7);

    const auto uniforms = GlRecorder::callsOf("glGetUniformLocation");
    const auto attributes = GlRecorder::callsOf("glGetAttribLocation");
    ASSERT_EQ(uniforms.size(), 1u);
    ASSERT_EQ(attributes.size(), 1u);
    EXPECT_EQ(uniforms[0].intArg(0), programName);
    EXPECT_EQ(attributes[0].intArg(0), programName);
}

TEST_F(LocationCache, BothKindsShareOneEntryPerName) {
    EXPECT_EQ(program->uniformLocation("viewportWidth"), 5);
    EXPECT_EQ(program->attributeLocation("viewportWidth"), 5);
    EXPECT_EQ(program->attributeLocation("position_tex"), 7);
    EXPECT_EQ(program->lookupLocation(LocationKind::Uniform, "position_tex"), 7);
    EXPECT_EQ(glQueries(), 2u);
}

TEST_F(LocationCache, KeepsMinusOneLikeAnyOtherLocation) {
    GlRecorder::setResult("glGetUniformLocation", -1);
    for (int ask = 0; ask < 3; ++ask) EXPECT_EQ(program->uniformLocation("optimisedAway"), -1);
    EXPECT_EQ(glQueries(), 1u);
}

TEST_F(LocationCache, NamesDifferingOnlyInCaseAreDifferentEntries) {
    EXPECT_EQ(program->uniformLocation("iTime"), 5);
    GlRecorder::setResult("glGetUniformLocation", 9);
    EXPECT_EQ(program->uniformLocation("itime"), 9);
    EXPECT_EQ(program->uniformLocation("ITIME"), 9);
    EXPECT_EQ(program->uniformLocation("iTime"), 5);
    EXPECT_EQ(glQueries(), 3u);
}

} // namespace
