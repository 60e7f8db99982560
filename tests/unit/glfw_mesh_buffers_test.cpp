#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fake_platform.h"
#include "gfx/glfw_program_manager.h"
#include "mesh/glfw_mesh_buffers.h"
#include "shader_gl_fakes.h"

namespace {

constexpr GLuint vertexBufferName = 21;
constexpr GLuint indexBufferName = 22;

GLuint nextBufferName = vertexBufferName;

void APIENTRY genBuffers(GLsizei n, GLuint *buffers) {
    GlRecorder::record("glGenBuffers", {GlArg{static_cast<long long>(n)}});
    buffers[0] = nextBufferName++;
}

void APIENTRY deleteBuffers(GLsizei n, const GLuint *buffers) {
    GlRecorder::record("glDeleteBuffers",
                       {GlArg{static_cast<long long>(n)}, GlArg{static_cast<long long>(buffers[0])}});
}

// Locations as a linked program would give them; a name the program does not read is -1.
GLint APIENTRY getAttribLocation(GLuint program, const GLchar *name) {
    GlRecorder::record("glGetAttribLocation", {GlArg{static_cast<long long>(program)}});
    for (auto [attribute, location] : {std::pair{"position", 4}, {"position_tex", 7}, {"position_normal", 2}})
        if (std::strcmp(name, attribute) == 0) return location;
    return -1;
}

const float vertices[48] = {};
const std::uint32_t indices[6] = {0, 1, 2, 0, 2, 1};

class MeshBuffers : public testing::Test {
protected:
    void SetUp() override {
        fakePlatform::reset();
        shaderFakes::install();
        glGenBuffers = genBuffers;
        glDeleteBuffers = deleteBuffers;
        glGetAttribLocation = getAttribLocation;
        nextBufferName = vertexBufferName;
        registry.add("BackgroundProgram", 137, 136);
        GlRecorder::reset();
    }

    void addBackgroundAttributes(GLFWMeshBuffers &buffers) {
        buffers.addAttribute("BackgroundProgram", "position", 3, 0);
        buffers.addAttribute("BackgroundProgram", "position_tex", 2, 3);
        buffers.addAttribute("BackgroundProgram", "position_normal", 3, 5);
    }

    GLFWProgramManager registry;
};

/// The enable and pointer calls of applyLayout as (location, components, stride, byte offset).
struct PointerCall {
    long long location;
    long long components;
    long long stride;
    std::uintptr_t offset;
    bool operator==(const PointerCall &) const = default;
};

std::vector<PointerCall> pointerCalls() {
    std::vector<PointerCall> result;
    const auto &calls = GlRecorder::calls();
    for (std::size_t i = 0; i < calls.size(); ++i) {
        if (calls[i].name != "glVertexAttribPointer") continue;
        const GlCall &pointer = calls[i];
        EXPECT_EQ(calls.at(i - 1).name, "glEnableVertexAttribArray");
        EXPECT_EQ(calls.at(i - 1).intArg(0), pointer.intArg(0)) << "enabled before it is pointed";
        EXPECT_EQ(pointer.intArg(2), GL_FLOAT);
        EXPECT_EQ(pointer.intArg(3), GL_FALSE);
        result.push_back({pointer.intArg(0), pointer.intArg(1), pointer.intArg(4),
                          reinterpret_cast<std::uintptr_t>(pointer.pointerArg(5))});
    }
    return result;
}

TEST_F(MeshBuffers, CreatesTwoBuffersAndDeletesThemInTheSameOrder) {
    {
        GLFWMeshBuffers buffers(&registry);
        ASSERT_EQ(GlRecorder::names(), (std::vector<std::string>{"glGenBuffers", "glGenBuffers"}));
        EXPECT_EQ(GlRecorder::calls()[0].intArg(0), 1);
        GlRecorder::reset();
    }
    auto deleted = GlRecorder::callsOf("glDeleteBuffers");
    ASSERT_EQ(GlRecorder::calls().size(), 2u);
    ASSERT_EQ(deleted.size(), 2u);
    EXPECT_EQ(deleted[0].intArg(1), vertexBufferName);
    EXPECT_EQ(deleted[1].intArg(1), indexBufferName);
}

TEST_F(MeshBuffers, UploadBindsPointsInNameOrderThenStoresBothArrays) {
    GLFWMeshBuffers buffers(&registry);
    buffers.setVertexData(sizeof vertices, vertices, 24);
    buffers.setIndexData(sizeof indices, indices, 6);
    addBackgroundAttributes(buffers);
    GlRecorder::reset();
    buffers.upload();

    const std::vector<std::string> expected = {"glBindBuffer",
                                               "glBindBuffer",
                                               "glEnableVertexAttribArray",
                                               "glVertexAttribPointer",
                                               "glEnableVertexAttribArray",
                                               "glVertexAttribPointer",
                                               "glEnableVertexAttribArray",
                                               "glVertexAttribPointer",
                                               "glBufferData",
                                               "glBufferData"};
    ASSERT_EQ(GlRecorder::names(), expected);
    const auto &calls = GlRecorder::calls();
    EXPECT_EQ(calls[0].intArg(0), GL_ARRAY_BUFFER);
    EXPECT_EQ(calls[0].intArg(1), vertexBufferName);
    EXPECT_EQ(calls[1].intArg(0), GL_ELEMENT_ARRAY_BUFFER);
    EXPECT_EQ(calls[1].intArg(1), indexBufferName);
    // "position", "position_normal", "position_tex": byte order, not the order they were added;
    // 24 floats make a 96-byte stride, and offset 5 starts at byte 20
    EXPECT_EQ(pointerCalls(), (std::vector<PointerCall>{{4, 3, 96, 0}, {2, 3, 96, 20}, {7, 2, 96, 12}}));

    EXPECT_EQ(calls[8].intArg(0), GL_ARRAY_BUFFER);
    EXPECT_EQ(calls[8].intArg(1), static_cast<long long>(sizeof vertices));
    EXPECT_EQ(calls[8].pointerArg(2), vertices);
    EXPECT_EQ(calls[8].intArg(3), GL_STATIC_DRAW);
    EXPECT_EQ(calls[9].intArg(0), GL_ELEMENT_ARRAY_BUFFER);
    EXPECT_EQ(calls[9].intArg(1), static_cast<long long>(sizeof indices));
    EXPECT_EQ(calls[9].pointerArg(2), indices);
    EXPECT_EQ(calls[9].intArg(3), GL_STATIC_DRAW);
    EXPECT_TRUE(GlRecorder::callsOf("glBindVertexArray").empty());
    EXPECT_TRUE(GlRecorder::callsOf("glGenVertexArrays").empty());
}

TEST_F(MeshBuffers, BindSetsTheSameLayoutAgainWithoutStoringData) {
    GLFWMeshBuffers buffers(&registry);
    buffers.setVertexData(sizeof vertices, vertices, 24);
    addBackgroundAttributes(buffers);
    GlRecorder::reset();
    buffers.bind();
    EXPECT_EQ(GlRecorder::callsOf("glBindBuffer").size(), 2u);
    EXPECT_EQ(pointerCalls(), (std::vector<PointerCall>{{4, 3, 96, 0}, {2, 3, 96, 20}, {7, 2, 96, 12}}));
    EXPECT_TRUE(GlRecorder::callsOf("glBufferData").empty());
}

TEST_F(MeshBuffers, FirstRecordOfANameStaysAndLocationsAreAskedOnce) {
    GLFWMeshBuffers buffers(&registry);
    buffers.setVertexData(sizeof vertices, vertices, 8);
    buffers.addAttribute("BackgroundProgram", "position_tex", 2, 3);
    buffers.addAttribute("BackgroundProgram", "position_tex", 4, 6);
    buffers.addAttribute("BackgroundProgram", "position_tex", 2, 3);
    EXPECT_EQ(GlRecorder::callsOf("glGetAttribLocation").size(), 1u);
    GlRecorder::reset();
    buffers.applyLayout();
    EXPECT_EQ(pointerCalls(), (std::vector<PointerCall>{{7, 2, 32, 12}}));
}

TEST_F(MeshBuffers, UnknownProgramOrUnreadAttributeSetsNoPointer) {
    GLFWMeshBuffers buffers(&registry);
    buffers.setVertexData(sizeof vertices, vertices, 24);
    buffers.addAttribute("NoSuchProgram", "position", 3, 0);
    buffers.addAttribute("backgroundprogram", "position", 3, 0);
    buffers.addAttribute("BackgroundProgram", "unused", 3, 0);
    GlRecorder::reset();
    buffers.applyLayout();
    EXPECT_TRUE(GlRecorder::calls().empty());

    // the name was not taken by the unknown program: the registered one can still record it
    buffers.addAttribute("BackgroundProgram", "position", 3, 0);
    GlRecorder::reset();
    buffers.applyLayout();
    EXPECT_EQ(pointerCalls(), (std::vector<PointerCall>{{4, 3, 96, 0}}));
}

TEST_F(MeshBuffers, IndexCountIsTheCountGivenNotTheBytes) {
    GLFWMeshBuffers buffers(&registry);
    EXPECT_EQ(buffers.getIndexCount(), 0);
    buffers.setIndexData(1000, indices, 6);
    EXPECT_EQ(buffers.getIndexCount(), 6);
    buffers.setIndexData(24, indices, 3);
    EXPECT_EQ(buffers.getIndexCount(), 3);
}

} // namespace
