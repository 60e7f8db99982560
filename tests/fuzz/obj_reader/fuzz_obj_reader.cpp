// Any OBJ text, read with the shipped MTL text: the load must end, stay inside its lists and leave
// indices that point at vertices it produced.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <string>

#include "fake_platform.h"
#include "fuzz_check.h"
#include "mesh/mesh_loader.h"

namespace {

constexpr int objId = 141;
constexpr int mtlId = 140;

void checkTriangles(const std::vector<std::uint32_t> &indices, std::size_t vertexCount) {
    fuzzCheck(indices.size() % 3 == 0, "three indices per triangle");
    for (std::uint32_t index : indices) fuzzCheck(index < vertexCount, "index names a vertex of its list");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static NullBuffer discard;
    std::cout.rdbuf(&discard);
    fakePlatform::setTextResource(objId, std::string(reinterpret_cast<const char *>(data), size));

    objl::MeshLoader loader;
    const bool loaded = loader.loadObjResource(objId, mtlId);
    if (!loaded) {
        fuzzCheck(loader.meshes.empty() && loader.allVertices.empty() && loader.allIndices.empty(),
                  "a failed load leaves no meshes, vertices or indices");
    }
    checkTriangles(loader.allIndices, loader.allVertices.size());
    std::size_t meshVertices = 0;
    for (const objl::Mesh &mesh : loader.meshes) {
        checkTriangles(mesh.indices, mesh.vertices.size());
        meshVertices += mesh.vertices.size();
    }
    fuzzCheck(meshVertices <= loader.allVertices.size(), "meshes hold no corner that was not read");
    // Values come from numbers in the text, which the reader only accepts when finite.
    for (const objl::Vertex &vertex : loader.allVertices) {
        fuzzCheck(std::isfinite(vertex.position.x) && std::isfinite(vertex.position.y) &&
                      std::isfinite(vertex.position.z) && std::isfinite(vertex.texCoord.x) &&
                      std::isfinite(vertex.texCoord.y),
                  "positions and texture coordinates are finite");
    }
    fakePlatform::reset();
    return 0;
}
