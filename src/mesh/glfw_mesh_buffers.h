#pragma once
#include <cstdint>
#include <map>
#include <string>

#include "gl_table.h"

class GLFWProgramManager;

/// The vertex and index buffer of one drawable mesh, with its vertex attributes recorded by name
/// and resolved to locations through the program registry. No vertex array object is used: every
/// bind sets the attribute pointers again in the context's default vertex array state.
class GLFWMeshBuffers {
public:
    /// Creates the two buffer names; needs a current context. manager must outlive this object.
    explicit GLFWMeshBuffers(GLFWProgramManager *manager);
    ~GLFWMeshBuffers();
    GLFWMeshBuffers(const GLFWMeshBuffers &) = delete;
    GLFWMeshBuffers &operator=(const GLFWMeshBuffers &) = delete;

    /// The caller's interleaved vertices; they must stay valid until upload.
    void setVertexData(std::int32_t sizeInBytes, const float *data, std::int32_t strideInFloats);
    /// The caller's indices; they must stay valid until upload.
    void setIndexData(std::int32_t sizeInBytes, const std::uint32_t *data, std::int32_t count);
    /// Records an attribute of the vertices as the named program reads it. The first record of a
    /// name stays; a program name the registry does not know records nothing.
    void addAttribute(const char *programName, const char *attributeName, std::int32_t components,
                      std::int32_t offsetInFloats);

    void bindBuffers() const;
    /// Enables and points every recorded attribute, in ascending byte order of the names.
    void applyLayout() const;
    void bind() const;
    /// Binds, then stores both arrays in their buffers for static drawing.
    void upload() const;
    std::int32_t getIndexCount() const { return indexCount; }

private:
    struct AttributeLayout {
        GLint location;
        std::int32_t components;
        std::int32_t offsetInFloats;
    };

    GLFWProgramManager *manager;
    GLuint vertexBuffer = 0;
    GLuint indexBuffer = 0;
    const float *vertexData = nullptr;
    std::int32_t vertexDataSize = 0;
    std::int32_t vertexStride = 0;
    std::map<std::string, AttributeLayout> attributes;
    const std::uint32_t *indexData = nullptr;
    std::int32_t indexDataSize = 0;
    std::int32_t indexCount = 0;
};
