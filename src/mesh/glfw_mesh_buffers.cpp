#include "mesh/glfw_mesh_buffers.h"

#include "gfx/glfw_program_manager.h"

GLFWMeshBuffers::GLFWMeshBuffers(GLFWProgramManager *programManager) : manager(programManager) {
    glGenBuffers(1, &vertexBuffer);
    glGenBuffers(1, &indexBuffer);
}

GLFWMeshBuffers::~GLFWMeshBuffers() {
    glDeleteBuffers(1, &vertexBuffer);
    glDeleteBuffers(1, &indexBuffer);
}

void GLFWMeshBuffers::setVertexData(std::int32_t sizeInBytes, const float *data, std::int32_t strideInFloats) {
    vertexDataSize = sizeInBytes;
    vertexData = data;
    vertexStride = strideInFloats;
}

void GLFWMeshBuffers::setIndexData(std::int32_t sizeInBytes, const std::uint32_t *data, std::int32_t count) {
    indexDataSize = sizeInBytes;
    indexData = data;
    indexCount = count;
}

void GLFWMeshBuffers::addAttribute(const char *programName, const char *attributeName, std::int32_t components,
                                   std::int32_t offsetInFloats) {
    GLFWProgram *program = manager->find(programName);
    if (program == nullptr) return;
    attributes.try_emplace(attributeName,
                           AttributeLayout{program->attributeLocation(attributeName), components, offsetInFloats});
}

void GLFWMeshBuffers::bindBuffers() const {
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer);
}

void GLFWMeshBuffers::applyLayout() const {
    for (const auto &[name, layout] : attributes) {
        // -1 is the program's answer for a name it does not read; as an attribute index it would
        // only raise GL_INVALID_VALUE, so such an attribute is left out.
        if (layout.location < 0) continue;
        auto location = static_cast<GLuint>(layout.location);
        glEnableVertexAttribArray(location);
        // The pointer argument is a byte offset into the bound vertex buffer.
        const void *offset = reinterpret_cast<const void *>(static_cast<std::uintptr_t>(layout.offsetInFloats) * 4);
        glVertexAttribPointer(location, layout.components, GL_FLOAT, GL_FALSE, vertexStride * 4, offset);
    }
}

void GLFWMeshBuffers::bind() const {
    bindBuffers();
    applyLayout();
}

void GLFWMeshBuffers::upload() const {
    bind();
    glBufferData(GL_ARRAY_BUFFER, vertexDataSize, vertexData, GL_STATIC_DRAW);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, indexDataSize, indexData, GL_STATIC_DRAW);
}
