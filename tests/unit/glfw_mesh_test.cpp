#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "fake_platform.h"
#include "mesh/glfw_mesh.h"

namespace {

constexpr int objId = 7101;
constexpr int mtlId = 7100;

struct Triple {
    float x, y, z;
    bool operator==(const Triple &) const = default;
};

std::ostream &operator<<(std::ostream &out, const Triple &t) {
    return out << "(" << t.x << ", " << t.y << ", " << t.z << ")";
}

/// Reads the interleaved record of one vertex at the layout's offsets.
class VertexRecord {
public:
    VertexRecord(const GLFWMesh &mesh, int vertex)
        : floats(mesh.vertexArray() + std::ptrdiff_t{vertex} * mesh.floatsPerVertex()) {}

    Triple at(int offset) const { return {floats[offset], floats[offset + 1], floats[offset + 2]}; }
    Triple position() const { return at(GLFWMesh::positionOffset); }
    float u() const { return floats[GLFWMesh::texCoordOffset]; }
    float v() const { return floats[GLFWMesh::texCoordOffset + 1]; }
    Triple normal() const { return at(GLFWMesh::normalOffset); }
    Triple tangent() const { return at(GLFWMesh::tangentOffset); }
    Triple bitangent() const { return at(GLFWMesh::bitangentOffset); }
    Triple ambient() const { return at(GLFWMesh::ambientOffset); }
    Triple diffuse() const { return at(GLFWMesh::diffuseOffset); }
    Triple specular() const { return at(GLFWMesh::specularOffset); }
    float exponent() const { return floats[GLFWMesh::specularOffset + 3]; }

private:
    const float *floats;
};

/// Builds a mesh with the reader's progress report kept off the test output.
std::unique_ptr<GLFWMesh> quietMesh(int objResource, int mtlResource, float scale = 1.0f) {
    std::ostringstream report;
    std::streambuf *saved = std::cout.rdbuf(report.rdbuf());
    auto mesh = std::make_unique<GLFWMesh>(objResource, mtlResource, scale);
    std::cout.rdbuf(saved);
    return mesh;
}

std::unique_ptr<GLFWMesh> meshFromText(const std::string &obj, const std::string &mtl, float scale = 1.0f) {
    fakePlatform::reset();
    fakePlatform::setTextResource(objId, obj);
    fakePlatform::setTextResource(mtlId, mtl);
    return quietMesh(objId, mtlId, scale);
}

std::vector<std::uint32_t> indicesOf(const GLFWMesh &mesh) {
    return {mesh.indexArray(), mesh.indexArray() + mesh.indexCount()};
}

bool allFinite(const GLFWMesh &mesh) {
    int floats = mesh.vertexBytes() / 4;
    for (int i = 0; i < floats; ++i)
        if (!std::isfinite(mesh.vertexArray()[i])) return false;
    return true;
}

TEST(GLFWMesh, RectangleBecomesSixVerticesOfTwentyFourFloats) {
    fakePlatform::reset();
    auto rectangle = quietMesh(141, 140);
    const GLFWMesh &mesh = *rectangle;
    EXPECT_EQ(mesh.floatsPerVertex(), 24);
    EXPECT_EQ(mesh.vertexBytes(), 576);
    EXPECT_EQ(mesh.indexBytes(), 24);
    EXPECT_EQ(indicesOf(mesh), (std::vector<std::uint32_t>{0, 1, 2, 3, 4, 5}));

    const Triple firstTriangle[] = {{-1, 1, 0}, {-1, -1, 0}, {1, 1, 0}};
    const float firstUv[][2] = {{0, 1}, {0, 0}, {1, 1}};
    for (int n = 0; n < 3; ++n) {
        VertexRecord vertex(mesh, n);
        EXPECT_EQ(vertex.position(), firstTriangle[n]) << n;
        EXPECT_EQ(vertex.u(), firstUv[n][0]) << n;
        EXPECT_EQ(vertex.v(), firstUv[n][1]) << n;
    }
    const Triple colour = {0.7765f, 0.8824f, 0.3412f};
    for (int n = 0; n < 6; ++n) {
        VertexRecord vertex(mesh, n);
        EXPECT_EQ(vertex.normal(), (Triple{0, 0, 1})) << n;
        EXPECT_EQ(vertex.tangent(), (Triple{1, 0, 0})) << n;
        EXPECT_EQ(vertex.bitangent(), (Triple{0, 1, 0})) << n;
        EXPECT_EQ(vertex.ambient(), colour) << n;
        EXPECT_EQ(vertex.diffuse(), colour) << n;
        EXPECT_EQ(vertex.specular(), (Triple{0.35f, 0.35f, 0.35f})) << n;
        EXPECT_EQ(vertex.exponent(), 32.0f) << n;
    }
}

TEST(GLFWMesh, ScaleMovesOnlyThePositions) {
    fakePlatform::reset();
    auto single = quietMesh(141, 140, 1.0f);
    auto doubled = quietMesh(141, 140, 2.0f);
    ASSERT_EQ(doubled->vertexBytes(), single->vertexBytes());
    for (int n = 0; n < 6; ++n) {
        for (int f = 0; f < 24; ++f) {
            float expected = single->vertexArray()[n * 24 + f] * (f < 3 ? 2.0f : 1.0f);
            EXPECT_EQ(doubled->vertexArray()[n * 24 + f], expected) << "vertex " << n << " float " << f;
        }
    }
}

TEST(GLFWMesh, SecondMeshFollowsTheFirstInVerticesAndIndices) {
    auto two = meshFromText("mtllib m\nv 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nv 5 5 5\nv 6 5 5\nv 5 6 5\n"
                            "g square\nusemtl red\nf 1 2 3 4\ng triangle\nusemtl blue\nf 5 6 7\n",
                            "newmtl red\nKa 1 0 0\nnewmtl blue\nKa 0 0 1\nNs 8\n");
    const GLFWMesh &mesh = *two;
    EXPECT_EQ(mesh.vertexBytes(), 7 * 96);
    EXPECT_EQ(indicesOf(mesh), (std::vector<std::uint32_t>{0, 1, 3, 1, 2, 3, 4, 5, 6}));
    const Triple positions[] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {5, 5, 5}, {6, 5, 5}, {5, 6, 5}};
    for (int n = 0; n < 7; ++n) {
        VertexRecord vertex(mesh, n);
        EXPECT_EQ(vertex.position(), positions[n]) << n;
        EXPECT_EQ(vertex.ambient(), (n < 4 ? Triple{1, 0, 0} : Triple{0, 0, 1})) << n;
        EXPECT_EQ(vertex.exponent(), n < 4 ? 0.0f : 8.0f) << n;
    }
}

TEST(GLFWMesh, SharedVertexKeepsTheFrameOfTheLaterTriangle) {
    // The quad is cut into (0, 1, 3) and (1, 2, 3); their texture coordinates turn the frame, so
    // corner 0 shows the first triangle's frame and corners 1 to 3 the second's.
    auto quad = meshFromText("v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nvt 0 0\nvt 1 0\nvt 0 1\nf 1/1 2/2 3/1 4/3\n", "");
    const GLFWMesh &mesh = *quad;
    ASSERT_EQ(indicesOf(mesh), (std::vector<std::uint32_t>{0, 1, 3, 1, 2, 3}));
    EXPECT_EQ(VertexRecord(mesh, 0).tangent(), (Triple{1, 0, 0}));
    EXPECT_EQ(VertexRecord(mesh, 0).bitangent(), (Triple{0, 1, 0}));
    for (int n = 1; n < 4; ++n) {
        EXPECT_EQ(VertexRecord(mesh, n).tangent(), (Triple{0, -1, 0})) << n;
        EXPECT_EQ(VertexRecord(mesh, n).bitangent(), (Triple{-1, 0, 0})) << n;
    }
}

TEST(GLFWMesh, DegenerateDirectionsBecomeZeroVectors) {
    // first face: positions on a line give a zero normal; second: no texture coordinates, so they
    // are collinear and give no tangent frame; third: coordinates so large the normal overflows
    auto degenerate = meshFromText("v 0 0 0\nv 1 0 0\nv 2 0 0\nv 0 1 0\nv 3e38 0 0\nv 0 3e38 0\n"
                                   "f 1 2 3\nf 1 2 4\nf 1 5 6\n",
                                   "");
    const GLFWMesh &mesh = *degenerate;
    ASSERT_EQ(mesh.vertexBytes(), 9 * 96);
    EXPECT_TRUE(allFinite(mesh));
    for (int n = 0; n < 9; ++n) {
        EXPECT_EQ(VertexRecord(mesh, n).tangent(), (Triple{0, 0, 0})) << n;
        EXPECT_EQ(VertexRecord(mesh, n).bitangent(), (Triple{0, 0, 0})) << n;
    }
    EXPECT_EQ(VertexRecord(mesh, 0).normal(), (Triple{0, 0, 0}));
    EXPECT_EQ(VertexRecord(mesh, 3).normal(), (Triple{0, 0, -1}));
    EXPECT_EQ(VertexRecord(mesh, 6).normal(), (Triple{0, 0, 0}));
}

// The box goes to standard error (as the fake platform prints it); its style is printed on the
// way out, after the process has decided to end.
void printLastBoxStyleAtExit() {
    std::atexit([] {
        if (!fakePlatform::messageBoxes().empty())
            std::fprintf(stderr, "style %u\n", fakePlatform::messageBoxes().back().style);
    });
}

TEST(GLFWMeshDeathTest, UnreadableTextEndsTheProcessWithItsBox) {
    const std::string unreadable[] = {"", "v 1 2\n", "v 0 0 0\nf 1 2 3\n"};
    for (const std::string &obj : unreadable) {
        EXPECT_EXIT(
            {
                printLastBoxStyleAtExit();
                meshFromText(obj, "");
            },
            testing::ExitedWithCode(0), "\\[box Debug\\] Failed to load mesh\nstyle 64\n")
            << obj;
    }
}

TEST(GLFWMeshDeathTest, PositionsThatOverflowWhenScaledEndTheProcess) {
    EXPECT_EXIT(meshFromText("v 3e38 0 0\nv 0 1 0\nv 0 0 1\nf 1 2 3\n", "", 2.0f), testing::ExitedWithCode(0),
                "\\[box Debug\\] Failed to load mesh");
}

} // namespace
