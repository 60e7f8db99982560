#include <gtest/gtest.h>

#include <cstdint>
#include <iostream>
#include <sstream>
#include <vector>

#include "gfx/glfw_program_manager.h"
#include "gl_table.h"
#include "hidden_gl_context.h"
#include "mesh/glfw_mesh.h"
#include "mesh/glfw_mesh_buffers.h"

namespace {

GLint boundBufferSize(GLenum target) {
    GLint size = -1;
    glGetBufferParameteriv(target, GL_BUFFER_SIZE, &size);
    return size;
}

template <typename T>
std::vector<T> bufferContents(GLenum target, std::int32_t count) {
    std::vector<T> contents(static_cast<std::size_t>(count));
    glGetBufferSubData(target, 0, static_cast<GLsizeiptr>(count) * static_cast<GLsizeiptr>(sizeof(T)), contents.data());
    return contents;
}

// The rectangle as the background drawable uploads it, into real buffers of a real context; what
// GL holds afterwards is read back: the sizes, the bytes, and the attribute pointers.
TEST(MeshBuffersOnGl, RectangleReachesTheBuffersWithItsLayout) {
    HiddenGlContext context;
    ASSERT_NE(context.window, nullptr) << "no OpenGL context on this display";
    GLFWProgramManager programs;
    programs.add("BackgroundProgram", 137, 136);

    std::ostringstream report;
    std::streambuf *saved = std::cout.rdbuf(report.rdbuf());
    GLFWMesh mesh(141, 140, 1.0f);
    std::cout.rdbuf(saved);

    GLFWMeshBuffers buffers(&programs);
    buffers.setVertexData(mesh.vertexBytes(), mesh.vertexArray(), mesh.floatsPerVertex());
    buffers.setIndexData(mesh.indexBytes(), mesh.indexArray(), mesh.indexCount());
    buffers.addAttribute("BackgroundProgram", "position", 3, 0);
    buffers.addAttribute("BackgroundProgram", "position_tex", 2, 3);
    buffers.addAttribute("BackgroundProgram", "position_normal", 3, 5);
    buffers.upload();
    ASSERT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    EXPECT_EQ(boundBufferSize(GL_ARRAY_BUFFER), 576);
    EXPECT_EQ(boundBufferSize(GL_ELEMENT_ARRAY_BUFFER), 24);
    EXPECT_EQ(bufferContents<float>(GL_ARRAY_BUFFER, 144),
              std::vector<float>(mesh.vertexArray(), mesh.vertexArray() + 144));
    EXPECT_EQ(bufferContents<std::uint32_t>(GL_ELEMENT_ARRAY_BUFFER, 6),
              (std::vector<std::uint32_t>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(buffers.getIndexCount(), 6);

    GLuint program = programs.find("BackgroundProgram")->id();
    struct Expected {
        const char *name;
        GLint components;
        std::uintptr_t byteOffset;
    } attributes[] = {{"position", 3, 0}, {"position_tex", 2, 12}, {"position_normal", 3, 20}};
    // The effect draws from the position alone; attributes the linker dropped have no pointer to check.
    ASSERT_GE(glGetAttribLocation(program, "position"), 0);
    for (const Expected &attribute : attributes) {
        GLint location = glGetAttribLocation(program, attribute.name);
        if (location < 0) continue;
        auto index = static_cast<GLuint>(location);
        GLint enabled = 0, size = 0, stride = 0;
        glGetVertexAttribiv(index, GL_VERTEX_ATTRIB_ARRAY_ENABLED, &enabled);
        glGetVertexAttribiv(index, GL_VERTEX_ATTRIB_ARRAY_SIZE, &size);
        glGetVertexAttribiv(index, GL_VERTEX_ATTRIB_ARRAY_STRIDE, &stride);
        void *pointer = nullptr;
        glGetVertexAttribPointerv(index, GL_VERTEX_ATTRIB_ARRAY_POINTER, &pointer);
        EXPECT_EQ(enabled, GL_TRUE) << attribute.name;
        EXPECT_EQ(size, attribute.components) << attribute.name;
        EXPECT_EQ(stride, 96) << attribute.name;
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(pointer), attribute.byteOffset) << attribute.name;
    }
}

} // namespace
