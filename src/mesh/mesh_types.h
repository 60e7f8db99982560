#pragma once
// What the OBJ and MTL reader produces: materials and meshes, plain values copied whole.
#include <cstdint>
#include <string>
#include <vector>

#include "mesh/vector_math.h"

namespace objl {

/// One material of an MTL text. The map fields are names only; no image is ever loaded.
struct Material {
    std::string name;
    Vector3 ambientColor;
    Vector3 diffuseColor;
    Vector3 specularColor;
    float specularExponent = 0.0f;
    float opticalDensity = 0.0f;
    float dissolve = 0.0f;
    std::int32_t illuminationModel = 0;
    std::string ambientMap;
    std::string diffuseMap;
    std::string specularMap;
    std::string specularExponentMap;
    std::string dissolveMap;
    std::string bumpMap;
};

/// One mesh: its own copy of every face corner in reading order, and three indices per triangle
/// into that list.
struct Mesh {
    Mesh() = default;
    Mesh(std::vector<Vertex> meshVertices, std::vector<std::uint32_t> meshIndices)
        : vertices(std::move(meshVertices)), indices(std::move(meshIndices)) {}

    std::string name;
    std::vector<Vertex> vertices;
    std::vector<std::uint32_t> indices;
    Material material;
};

} // namespace objl
