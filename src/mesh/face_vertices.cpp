#include <optional>

#include "mesh/mesh_loader.h"
#include "mesh/text_helpers.h"

namespace objl {

namespace {

struct Corner {
    Vertex vertex;
    bool hasNormal = false;
};

/// One corner token: v, v/vt, v/vt/vn or v//vn.
std::optional<Corner> readCorner(const std::string &token, const std::vector<Vector3> &positions,
                                 const std::vector<Vector2> &texCoords, const std::vector<Vector3> &normals) {
    std::vector<std::string> parts = splitOn(token, '/');
    if (parts.empty() || parts.size() > 3) return std::nullopt;
    Corner corner;
    std::optional<Vector3> position = elementAt(positions, parts[0]);
    if (!position) return std::nullopt;
    corner.vertex.position = *position;
    // Only the three-part form may leave the texture coordinate out (v//vn).
    bool namesTexCoord = parts.size() == 2 || (parts.size() == 3 && !parts[1].empty());
    if (namesTexCoord) {
        std::optional<Vector2> texCoord = elementAt(texCoords, parts[1]);
        if (!texCoord) return std::nullopt;
        corner.vertex.texCoord = *texCoord;
    }
    if (parts.size() == 3) {
        std::optional<Vector3> normal = elementAt(normals, parts[2]);
        if (!normal) return std::nullopt;
        corner.vertex.normal = *normal;
        corner.hasNormal = true;
    }
    return corner;
}

} // namespace

bool buildFaceVertices(std::vector<Vertex> &corners, const std::vector<Vector3> &positions,
                       const std::vector<Vector2> &texCoords, const std::vector<Vector3> &normals,
                       const std::string &line) {
    std::vector<Vertex> face;
    bool lacksNormal = false;
    for (const std::string &token : splitOn(restOfLine(line), ' ')) {
        std::optional<Corner> corner = readCorner(token, positions, texCoords, normals);
        if (!corner) return false;
        lacksNormal = lacksNormal || !corner->hasNormal;
        face.push_back(corner->vertex);
    }
    if (lacksNormal) {
        if (face.size() < 3) return false;
        Vector3 normal = crossProduct(face[0].position - face[1].position, face[2].position - face[1].position);
        for (Vertex &vertex : face) vertex.normal = normal;
    }
    corners.insert(corners.end(), face.begin(), face.end());
    return true;
}

} // namespace objl
