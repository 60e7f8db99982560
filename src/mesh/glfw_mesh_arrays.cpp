#include "mesh/glfw_mesh_arrays.h"

#include <GLFW/glfw3.h>

#include <cmath>

#include "mesh/mesh_loader.h"
#include "platform/platform.h"
#include "scene/vectors.h"

namespace {

[[noreturn]] void failToLoad() {
    platform::showMessageBox("Failed to load mesh", "Debug", platform::iconInformation);
    glfwTerminate();
    platform::exitProcess();
}

bool isFinite(Vec3 v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

/// The unit vector along v, or the zero vector when v has no usable direction: zero length, or
/// components so large or small that the division gives no finite result.
Vec3 unitOrZero(Vec3 v) {
    Vec3 unit = normalize(v);
    return isFinite(unit) ? unit : Vec3();
}

void append(std::vector<float> &array, Vec3 v) { array.insert(array.end(), {v.x, v.y, v.z}); }

Vec3 toVec3(objl::Vector3 v) { return {v.x, v.y, v.z}; }

Vec3 vec3At(const std::vector<float> &array, std::uint32_t vertex) {
    const std::size_t at = std::size_t{3} * vertex;
    return {array[at], array[at + 1], array[at + 2]};
}

Vec2 vec2At(const std::vector<float> &array, std::uint32_t vertex) {
    const std::size_t at = std::size_t{2} * vertex;
    return {array[at], array[at + 1]};
}

void store(std::vector<float> &array, std::uint32_t vertex, Vec3 v) {
    const std::size_t at = std::size_t{3} * vertex;
    array[at] = v.x;
    array[at + 1] = v.y;
    array[at + 2] = v.z;
}

} // namespace

GLFWMeshArrays::GLFWMeshArrays(std::int32_t objResourceId, std::int32_t mtlResourceId, float scale) {
    load(objResourceId, mtlResourceId, scale);
}

void GLFWMeshArrays::load(std::int32_t objResourceId, std::int32_t mtlResourceId, float scale) {
    objl::MeshLoader loader;
    if (!loader.loadObjResource(objResourceId, mtlResourceId)) failToLoad();

    std::uint32_t vertexBase = 0;
    for (const objl::Mesh &mesh : loader.meshes) {
        const objl::Material &material = mesh.material;
        for (const objl::Vertex &vertex : mesh.vertices) {
            Vec3 position = toVec3(vertex.position) * scale;
            // Finite coordinates can still overflow once scaled; such a mesh cannot be drawn.
            if (!isFinite(position)) failToLoad();
            append(positions, position);
            append(normals, unitOrZero(toVec3(vertex.normal)));
            texCoords.insert(texCoords.end(), {vertex.texCoord.x, vertex.texCoord.y});
            append(ambientColors, toVec3(material.ambientColor));
            append(diffuseColors, toVec3(material.diffuseColor));
            append(specularColors, toVec3(material.specularColor));
            specularColors.push_back(material.specularExponent);
        }
        for (std::uint32_t index : mesh.indices) indexArray.push_back(vertexBase + index);
        vertexBase += static_cast<std::uint32_t>(mesh.vertices.size());
    }
    computeTangents();
}

// One tangent frame per triangle, from the texture coordinates' directions across it. A vertex
// shared by several triangles keeps the frame of the last one; nothing is averaged or made
// orthogonal to the normal.
void GLFWMeshArrays::computeTangents() {
    tangents.assign(positions.size(), 0.0f);
    bitangents.assign(positions.size(), 0.0f);
    // A trailing incomplete triangle has no frame; its vertices keep whatever they have.
    for (std::size_t t = 0; t + 2 < indexArray.size(); t += 3) {
        std::uint32_t i0 = indexArray[t], i1 = indexArray[t + 1], i2 = indexArray[t + 2];
        Vec3 e1 = vec3At(positions, i1) - vec3At(positions, i0);
        Vec3 e2 = vec3At(positions, i2) - vec3At(positions, i0);
        Vec2 d1 = vec2At(texCoords, i1) - vec2At(texCoords, i0);
        Vec2 d2 = vec2At(texCoords, i2) - vec2At(texCoords, i0);
        float determinant = d1.x * d2.y - d2.x * d1.y;
        Vec3 tangent;
        Vec3 bitangent;
        // Collinear texture coordinates span no plane, so the triangle has no tangent frame.
        if (determinant != 0.0f) {
            float r = 1.0f / determinant;
            tangent = unitOrZero((e1 * d2.y - e2 * d1.y) * r);
            bitangent = unitOrZero((e2 * d1.x - e1 * d2.x) * r);
        }
        for (std::uint32_t vertex : {i0, i1, i2}) {
            store(tangents, vertex, tangent);
            store(bitangents, vertex, bitangent);
        }
    }
}
