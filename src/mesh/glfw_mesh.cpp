#include "mesh/glfw_mesh.h"

GLFWMesh::GLFWMesh(std::int32_t objResourceId, std::int32_t mtlResourceId, float scale)
    : arrays(objResourceId, mtlResourceId, scale) {
    build();
}

void GLFWMesh::build() {
    struct Attribute {
        std::int32_t offset;
        std::int32_t components;
        const std::vector<float> &source;
    };
    const Attribute layout[] = {
        {positionOffset, 3, arrays.positions},    {texCoordOffset, 2, arrays.texCoords},
        {normalOffset, 3, arrays.normals},        {tangentOffset, 3, arrays.tangents},
        {bitangentOffset, 3, arrays.bitangents},  {ambientOffset, 3, arrays.ambientColors},
        {diffuseOffset, 3, arrays.diffuseColors}, {specularOffset, 4, arrays.specularColors},
    };
    auto vertexCount = static_cast<std::size_t>(arrays.vertexCount());
    vertices.assign(vertexCount * vertexFloats, 0.0f);
    for (std::size_t n = 0; n < vertexCount; ++n) {
        for (const Attribute &attribute : layout) {
            auto components = static_cast<std::size_t>(attribute.components);
            for (std::size_t c = 0; c < components; ++c)
                vertices[n * vertexFloats + static_cast<std::size_t>(attribute.offset) + c] =
                    attribute.source[components * n + c];
        }
    }
    indices = arrays.indexArray;
}
