#include <iostream>
#include <optional>

#include "mesh/mesh_loader.h"
#include "mesh/resource_lines.h"
#include "mesh/text_helpers.h"
#include "mesh/triangulation.h"

namespace objl {

namespace {

/// A carriage return takes the character after it along, so a line end CR LF loses only its CR
/// (the LF is already gone) and a CR inside a line removes itself and its successor.
std::string withoutCarriageReturns(std::string_view line) {
    std::string kept;
    kept.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\r')
            ++i;
        else
            kept += line[i];
    }
    return kept;
}

std::optional<Vector3> readVector3(const std::string &line) {
    std::vector<std::string> pieces = splitOn(restOfLine(line), ' ');
    if (pieces.size() < 3) return std::nullopt;
    std::optional<float> x = readReal(pieces[0]);
    std::optional<float> y = readReal(pieces[1]);
    std::optional<float> z = readReal(pieces[2]);
    if (!x || !y || !z) return std::nullopt;
    return Vector3(*x, *y, *z);
}

std::optional<Vector2> readVector2(const std::string &line) {
    std::vector<std::string> pieces = splitOn(restOfLine(line), ' ');
    if (pieces.size() < 2) return std::nullopt;
    std::optional<float> x = readReal(pieces[0]);
    std::optional<float> y = readReal(pieces[1]);
    if (!x || !y) return std::nullopt;
    return Vector2(*x, *y);
}

/// The state of one OBJ load, line by line, into the loader's lists.
class ObjReading {
public:
    ObjReading(MeshLoader &meshLoader, int mtlId) : loader(meshLoader), mtlResourceId(mtlId) {}

    /// False when the line cannot be read, which fails the whole load.
    bool readLine(std::string_view rawLine);
    /// Closes the last mesh and hands each "usemtl" name's material to the mesh of its position.
    void finish();

private:
    void report();
    void groupLine(const std::string &line, const std::string &word);
    bool face(const std::string &line);
    void materialChange(const std::string &line);
    bool hasPending() const { return !pendingVertices.empty() && !pendingIndices.empty(); }
    void closePending(const std::string &name);

    MeshLoader &loader;
    int mtlResourceId;
    std::vector<Vector3> positions;
    std::vector<Vector2> texCoords;
    std::vector<Vector3> normals;
    std::vector<Vertex> pendingVertices;
    std::vector<std::uint32_t> pendingIndices;
    std::vector<std::string> materialNames;
    std::string meshName;
    bool groupSeen = false;
    // Starts so that the very first line would report; group and material lines reset it to 0 so
    // that the line after them reports, and otherwise every thousandth line does.
    unsigned reportCounter = 1000;
};

bool ObjReading::readLine(std::string_view rawLine) {
    std::string line = withoutCarriageReturns(rawLine);
    reportCounter = (reportCounter + 1) % 1000;
    if (reportCounter == 1 && !meshName.empty()) report();

    std::string word = firstWord(line);
    if (word == "o" || word == "g" || (!line.empty() && line[0] == 'g')) {
        groupLine(line, word);
    } else if (word == "v" || word == "vn") {
        std::optional<Vector3> vector = readVector3(line);
        if (!vector) return false;
        (word == "v" ? positions : normals).push_back(*vector);
    } else if (word == "vt") {
        std::optional<Vector2> texCoord = readVector2(line);
        if (!texCoord) return false;
        texCoords.push_back(*texCoord);
    } else if (word == "f") {
        return face(line);
    } else if (word == "usemtl") {
        materialChange(line);
    } else if (word == "mtllib") {
        return loader.loadMtlResource(mtlResourceId);
    }
    return true;
}

void ObjReading::report() {
    std::cout << "\r- " << meshName << "\t| vertices > " << positions.size() << "\t| texcoords > " << texCoords.size()
              << "\t| normals > " << normals.size() << "\t| triangles > " << pendingVertices.size() / 3;
    if (!materialNames.empty()) std::cout << "\t| material: " << materialNames.back();
}

void ObjReading::groupLine(const std::string &line, const std::string &word) {
    bool named = word == "o" || word == "g";
    if (!groupSeen) {
        // Faces read before the first group line stay pending and join this group's mesh.
        groupSeen = true;
        meshName = named ? restOfLine(line) : "unnamed";
    } else if (hasPending()) {
        closePending(meshName);
        meshName = restOfLine(line);
    } else {
        meshName = named ? restOfLine(line) : "unnamed";
    }
    std::cout << std::endl;
    reportCounter = 0;
}

bool ObjReading::face(const std::string &line) {
    std::vector<Vertex> corners;
    if (!buildFaceVertices(corners, positions, texCoords, normals, line)) return false;
    pendingVertices.insert(pendingVertices.end(), corners.begin(), corners.end());
    loader.allVertices.insert(loader.allVertices.end(), corners.begin(), corners.end());

    std::vector<std::uint32_t> faceIndices;
    triangulateFace(faceIndices, corners);
    // Each index points at the face's own copy of its corner in both lists.
    auto pendingBase = static_cast<std::uint32_t>(pendingVertices.size() - corners.size());
    auto allBase = static_cast<std::uint32_t>(loader.allVertices.size() - corners.size());
    for (std::uint32_t k : faceIndices) {
        pendingIndices.push_back(pendingBase + k);
        loader.allIndices.push_back(allBase + k);
    }
    return true;
}

void ObjReading::materialChange(const std::string &line) {
    materialNames.push_back(restOfLine(line));
    // The faces before the change become a mesh of their own; the group keeps its plain name for
    // the faces that follow.
    if (hasPending()) closePending(meshName + "_2");
    reportCounter = 0;
}

void ObjReading::closePending(const std::string &name) {
    Mesh mesh(std::move(pendingVertices), std::move(pendingIndices));
    mesh.name = name;
    loader.meshes.push_back(std::move(mesh));
    pendingVertices.clear();
    pendingIndices.clear();
}

void ObjReading::finish() {
    std::cout << std::endl;
    if (hasPending()) closePending(meshName);
    // The i-th "usemtl" name goes to the i-th mesh closed; names beyond the last mesh have none.
    for (std::size_t i = 0; i < materialNames.size() && i < loader.meshes.size(); ++i) {
        for (const Material &material : loader.materials) {
            if (material.name == materialNames[i]) {
                loader.meshes[i].material = material;
                break;
            }
        }
    }
}

} // namespace

bool MeshLoader::loadObjResource(int objResourceId, int mtlResourceId) {
    LineReader lines(textResource(objResourceId));
    meshes.clear();
    allVertices.clear();
    allIndices.clear();

    ObjReading reading(*this, mtlResourceId);
    std::string_view line;
    while (lines.next(line)) {
        if (!reading.readLine(line)) {
            meshes.clear();
            allVertices.clear();
            allIndices.clear();
            return false;
        }
    }
    reading.finish();
    return !(meshes.empty() && allVertices.empty() && allIndices.empty());
}

} // namespace objl
