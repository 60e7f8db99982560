#pragma once
#include <cstdint>
#include <vector>

/// The meshes of one OBJ text with its MTL text as one array per vertex attribute, vertex n at
/// element 3n (2n for texture coordinates, 4n for the specular colour followed by the exponent):
/// positions scaled, normals of unit length, one tangent and bitangent per triangle, and each
/// vertex's material colours. indexArray holds three vertex numbers per triangle over all meshes.
/// No array ever holds a number that is not finite.
class GLFWMeshArrays {
public:
    /// Reads the two TEXTFILE resources and fills every array. When the text cannot be read, or a
    /// scaled position leaves the float range, shows "Failed to load mesh" and ends the process.
    GLFWMeshArrays(std::int32_t objResourceId, std::int32_t mtlResourceId, float scale);

    std::int32_t vertexCount() const { return static_cast<std::int32_t>(positions.size() / 3); }
    std::int32_t indexCount() const { return static_cast<std::int32_t>(indexArray.size()); }

    std::vector<float> positions;
    std::vector<float> texCoords;
    std::vector<float> normals;
    std::vector<float> tangents;
    std::vector<float> bitangents;
    std::vector<float> ambientColors;
    std::vector<float> diffuseColors;
    std::vector<float> specularColors;
    std::vector<std::uint32_t> indexArray;

private:
    void load(std::int32_t objResourceId, std::int32_t mtlResourceId, float scale);
    void computeTangents();
};
