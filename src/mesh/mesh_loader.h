#pragma once
// Reads the Wavefront OBJ and MTL subset this program ships: positions, texture coordinates,
// normals, polygonal faces, object and group lines, material changes and the material library of
// OBJ; colours, scalars and map names of MTL. Both texts come from TEXTFILE resources.
#include <cstdint>
#include <string>
#include <vector>

#include "mesh/mesh_types.h"

namespace objl {

class MeshLoader {
public:
    /// Reads the OBJ text of resource objResourceId; every "mtllib" line reads the MTL text of
    /// mtlResourceId, whatever file it names. Writes a progress report to standard output. False
    /// when the text gave no mesh, vertex or index, or holds something it cannot read (a value that
    /// is no number, a missing coordinate, a face index outside what was read, a malformed corner,
    /// a face too small for its normal, or a malformed material library); meshes, allVertices and
    /// allIndices are then empty.
    bool loadObjResource(int objResourceId, int mtlResourceId);
    /// Appends the materials of the MTL text of resource mtlResourceId. False, leaving materials
    /// as they were, when a colour or scalar value is no number.
    bool loadMtlResource(int mtlResourceId);

    /// The meshes of the last OBJ load, in the order they were closed.
    std::vector<Mesh> meshes;
    /// Every face corner of the last OBJ load, in reading order.
    std::vector<Vertex> allVertices;
    /// The triangles of the last OBJ load, three indices each into allVertices.
    std::vector<std::uint32_t> allIndices;
    /// Every material read so far, across loads; never cleared.
    std::vector<Material> materials;
};

/// Appends one vertex per corner of the face line ("f" and its corners) to corners. Corners take
/// v, v/vt, v/vt/vn or v//vn indices into what was read so far (1 the first, -1 the last). A face
/// with any corner lacking a normal gets one computed normal, unnormalised, on every corner.
/// False, appending nothing, for a malformed corner, an index outside the lists, or a face of
/// fewer than three corners that needs a computed normal.
bool buildFaceVertices(std::vector<Vertex> &corners, const std::vector<Vector3> &positions,
                       const std::vector<Vector2> &texCoords, const std::vector<Vector3> &normals,
                       const std::string &line);

} // namespace objl
