#pragma once
#include <cstdint>
#include <vector>

#include "mesh/glfw_mesh_arrays.h"

/// The meshes of one OBJ text interleaved for one vertex buffer: 24 floats (96 bytes) per vertex
/// at the offsets below, and three 32-bit indices per triangle into those vertices.
class GLFWMesh {
public:
    static constexpr std::int32_t positionOffset = 0;
    static constexpr std::int32_t texCoordOffset = 3;
    static constexpr std::int32_t normalOffset = 5;
    static constexpr std::int32_t tangentOffset = 8;
    static constexpr std::int32_t bitangentOffset = 11;
    static constexpr std::int32_t ambientOffset = 14;
    static constexpr std::int32_t diffuseOffset = 17;
    /// The specular colour, then the specular exponent at float 23.
    static constexpr std::int32_t specularOffset = 20;

    /// Reads and converts the two TEXTFILE resources; a text that cannot be read ends the process
    /// with "Failed to load mesh".
    GLFWMesh(std::int32_t objResourceId, std::int32_t mtlResourceId, float scale);

    const float *vertexArray() const { return vertices.data(); }
    std::int32_t floatsPerVertex() const { return vertexFloats; }
    const std::uint32_t *indexArray() const { return indices.data(); }
    std::int32_t indexCount() const { return arrays.indexCount(); }
    std::int32_t vertexBytes() const { return arrays.vertexCount() * vertexFloats * 4; }
    std::int32_t indexBytes() const { return indexCount() * 4; }

private:
    static constexpr std::int32_t vertexFloats = 24;

    void build();

    GLFWMeshArrays arrays;
    std::vector<float> vertices;
    std::vector<std::uint32_t> indices;
};
