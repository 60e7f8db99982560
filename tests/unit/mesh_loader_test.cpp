#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "case_name.h"
#include "fake_platform.h"
#include "mesh/mesh_loader.h"

namespace {

using objl::Vector2;
using objl::Vector3;

constexpr int objId = 7001;
constexpr int mtlId = 7000;

/// Everything written to std::cout while it lives, byte for byte.
class CoutCapture {
public:
    CoutCapture() : saved(std::cout.rdbuf(captured.rdbuf())) {}
    ~CoutCapture() { std::cout.rdbuf(saved); }
    std::string text() const { return captured.str(); }

private:
    std::ostringstream captured;
    std::streambuf *saved;
};

class MeshLoaderTest : public testing::Test {
protected:
    void SetUp() override { fakePlatform::reset(); }
    void TearDown() override { fakePlatform::reset(); }

    bool load(const std::string &obj, const std::string &mtl = "") {
        fakePlatform::setTextResource(objId, obj);
        fakePlatform::setTextResource(mtlId, mtl);
        CoutCapture capture;
        bool loaded = loader.loadObjResource(objId, mtlId);
        output = capture.text();
        return loaded;
    }

    std::vector<std::string> meshNames() const {
        std::vector<std::string> names;
        for (const auto &mesh : loader.meshes) names.push_back(mesh.name);
        return names;
    }

    objl::MeshLoader loader;
    std::string output;
};

const char *const triangle = "v 0 0 0\nv 1 0 0\nv 0 1 0\n";

TEST_F(MeshLoaderTest, ReadsTheEmbeddedRectangleWithItsMaterial) {
    CoutCapture capture;
    ASSERT_TRUE(loader.loadObjResource(141, 140));
    output = capture.text();

    ASSERT_EQ(loader.meshes.size(), 1u);
    const objl::Mesh &mesh = loader.meshes[0];
    EXPECT_EQ(mesh.name, "Plane001");
    const std::vector<Vector3> positions = {{-1, 1, 0}, {-1, -1, 0}, {1, 1, 0}, {1, -1, 0}, {1, 1, 0}, {-1, -1, 0}};
    const std::vector<Vector2> texCoords = {{0, 1}, {0, 0}, {1, 1}, {1, 0}, {1, 1}, {0, 0}};
    ASSERT_EQ(mesh.vertices.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(mesh.vertices[i].position, positions[i]) << i;
        EXPECT_EQ(mesh.vertices[i].texCoord.x, texCoords[i].x) << i;
        EXPECT_EQ(mesh.vertices[i].texCoord.y, texCoords[i].y) << i;
        EXPECT_EQ(mesh.vertices[i].normal, Vector3(0, 0, 1)) << i;
    }
    const std::vector<std::uint32_t> sequence = {0, 1, 2, 3, 4, 5};
    EXPECT_EQ(mesh.indices, sequence);
    EXPECT_EQ(loader.allIndices, sequence);
    ASSERT_EQ(loader.allVertices.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(loader.allVertices[i].position, positions[i]);

    const objl::Material &material = mesh.material;
    EXPECT_EQ(material.name, "wire_198225087");
    EXPECT_EQ(material.ambientColor, Vector3(0.7765f, 0.8824f, 0.3412f));
    EXPECT_EQ(material.diffuseColor, Vector3(0.7765f, 0.8824f, 0.3412f));
    EXPECT_EQ(material.specularColor, Vector3(0.35f, 0.35f, 0.35f));
    EXPECT_EQ(material.specularExponent, 32.0f);
    EXPECT_EQ(material.opticalDensity, 0.0f);
    EXPECT_EQ(material.dissolve, 1.0f);
    EXPECT_EQ(material.illuminationModel, 2);
    for (const std::string *map : {&material.ambientMap, &material.diffuseMap, &material.specularMap,
                                   &material.specularExponentMap, &material.dissolveMap, &material.bumpMap})
        EXPECT_EQ(*map, "");
    EXPECT_EQ(loader.materials.size(), 1u);

    const std::string report = "\r- Plane001\t| vertices > 4\t| texcoords > 4\t| normals > 1\t| triangles > 0";
    EXPECT_EQ(output, "\n" + report + "\n" + report + report + "\t| material: wire_198225087\n");
}

TEST_F(MeshLoaderTest, ReportsOnTheLineAfterAGroupAndEveryThousandthLineOnlyOnceNamed) {
    std::string comments;
    for (int i = 0; i < 2000; ++i) comments += "# line\n";
    ASSERT_FALSE(load(comments + triangle));
    EXPECT_EQ(output, "\n");

    // lines 1, 1001 and 2001 after the group line report; the face on line 2001 is counted after
    ASSERT_TRUE(load(std::string(triangle) + "g ring\n" + comments + "f 1 2 3\n"));
    const std::string report = "\r- ring\t| vertices > 3\t| texcoords > 0\t| normals > 0\t| triangles > 0";
    EXPECT_EQ(output, "\n" + report + report + report + "\n");
}

struct FaceCase {
    const char *name;
    std::string obj;
    std::vector<Vector3> positions;
    std::vector<Vector2> texCoords;
    std::vector<Vector3> normals;
};

class FaceCorners : public MeshLoaderTest, public testing::WithParamInterface<FaceCase> {};

TEST_P(FaceCorners, GiveTheseVertices) {
    ASSERT_TRUE(load(GetParam().obj));
    ASSERT_EQ(loader.meshes.size(), 1u);
    const auto &vertices = loader.meshes[0].vertices;
    ASSERT_EQ(vertices.size(), GetParam().positions.size());
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        EXPECT_EQ(vertices[i].position, GetParam().positions[i]) << i;
        EXPECT_EQ(vertices[i].texCoord.x, GetParam().texCoords[i].x) << i;
        EXPECT_EQ(vertices[i].texCoord.y, GetParam().texCoords[i].y) << i;
        EXPECT_EQ(vertices[i].normal, GetParam().normals[i]) << i;
    }
}

const std::string threeOfEach = "v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0.1 0.2\nvt 0.3 0.4\nvt 0.5 0.6\nvn 0 0 1\n";

INSTANTIATE_TEST_SUITE_P(Forms, FaceCorners,
                         testing::Values(
                             // (p0 - p1) x (p2 - p1), unnormalised, on every corner
                             FaceCase{"PositionsOnlyGetAComputedNormal",
                                      std::string(triangle) + "f 1 2 3\n",
                                      {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}},
                                      {{0, 0}, {0, 0}, {0, 0}},
                                      {{0, 0, -1}, {0, 0, -1}, {0, 0, -1}}},
                             FaceCase{"OneCornerWithoutNormalOverridesTheOthers",
                                      "v 0 0 0\nv 2 0 0\nv 0 2 0\nvn 0 0 1\nf 1//1 2//1 3\n",
                                      {{0, 0, 0}, {2, 0, 0}, {0, 2, 0}},
                                      {{0, 0}, {0, 0}, {0, 0}},
                                      {{0, 0, -4}, {0, 0, -4}, {0, 0, -4}}},
                             FaceCase{"NegativeIndicesCountFromTheEnd",
                                      threeOfEach + "f -3/-3/-1 -2/-2/-1 -1/-1/-1\n",
                                      {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}},
                                      {{0.1f, 0.2f}, {0.3f, 0.4f}, {0.5f, 0.6f}},
                                      {{0, 0, 1}, {0, 0, 1}, {0, 0, 1}}},
                             FaceCase{"PositionAndNormalOnly",
                                      threeOfEach + "f 3//1 2//1 1//1\n",
                                      {{0, 1, 0}, {1, 0, 0}, {0, 0, 0}},
                                      {{0, 0}, {0, 0}, {0, 0}},
                                      {{0, 0, 1}, {0, 0, 1}, {0, 0, 1}}},
                             FaceCase{"PositionAndTexCoordOnly",
                                      threeOfEach + "f 1/3 2/2 3/1\n",
                                      {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}},
                                      {{0.5f, 0.6f}, {0.3f, 0.4f}, {0.1f, 0.2f}},
                                      {{0, 0, -1}, {0, 0, -1}, {0, 0, -1}}},
                             // tabs inside a line are no separators, and a third texture value is ignored
                             FaceCase{
                                 "ExtraValuesAreIgnored",
                                 "v 0 0 0 1\nv 1 0 0 1\nv 0 1 0 1\nvt 0.25 0.75 9\nvn 0 0 1 5\nf 1/1/1 2/1/1 3/1/1\n",
                                 {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}},
                                 {{0.25f, 0.75f}, {0.25f, 0.75f}, {0.25f, 0.75f}},
                                 {{0, 0, 1}, {0, 0, 1}, {0, 0, 1}}},
                             // a carriage return takes the next character along, wherever it stands
                             FaceCase{"CarriageReturnInsideALineRemovesItsSuccessor",
                                      "v 0 0 0\r\nv 1 0 \r90\nv 0 1 0\r\nf 1 2 3\r\n",
                                      {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}},
                                      {{0, 0}, {0, 0}, {0, 0}},
                                      {{0, 0, -1}, {0, 0, -1}, {0, 0, -1}}},
                             // the last line needs no line feed
                             FaceCase{"LastLineWithoutLineFeed",
                                      std::string(triangle) + "f 1 2 3",
                                      {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}},
                                      {{0, 0}, {0, 0}, {0, 0}},
                                      {{0, 0, -1}, {0, 0, -1}, {0, 0, -1}}}),
                         CaseName());

TEST_F(MeshLoaderTest, QuadFaceIsTriangulatedIntoItsOwnCorners) {
    ASSERT_TRUE(load(std::string(triangle) + "v 1 1 0\nf 1 2 3\nf 1 2 4 3\n"));
    ASSERT_EQ(loader.meshes.size(), 1u);
    EXPECT_EQ(loader.meshes[0].vertices.size(), 7u);
    EXPECT_EQ(loader.meshes[0].indices, (std::vector<std::uint32_t>{0, 1, 2, 3, 4, 6, 4, 5, 6}));
    EXPECT_EQ(loader.allIndices, loader.meshes[0].indices);
}

struct GroupCase {
    const char *name;
    std::string obj;
    std::vector<std::string> meshNames;
};

class Groups : public MeshLoaderTest, public testing::WithParamInterface<GroupCase> {};

TEST_P(Groups, NameTheMeshes) {
    ASSERT_TRUE(load(triangle + GetParam().obj));
    EXPECT_EQ(meshNames(), GetParam().meshNames);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Groups,
    testing::Values(
        GroupCase{"NoGroupLine", "f 1 2 3\n", {""}},
        GroupCase{"FacesBeforeTheFirstGroupJoinIt", "f 1 2 3\ng first\nf 1 2 3\n", {"first"}},
        GroupCase{"ObjectThenGroup", "o a\nf 1 2 3\ng b\nf 1 2 3\n", {"a", "b"}},
        GroupCase{"EmptyGroupsAreNotMeshes", "g a\ng b\nf 1 2 3\ng c\n", {"b"}},
        GroupCase{"BareGroupLineNamesNothing", "g a\ng\nf 1 2 3\n", {""}},
        GroupCase{"WordStartingWithGIsAGroupLine", "g a\ngear 1\nf 1 2 3\n", {"unnamed"}},
        GroupCase{"FirstGroupLineStartingWithG", "gear 1\nf 1 2 3\n", {"unnamed"}},
        GroupCase{"WordStartingWithGClosesTheGroup", "g a\nf 1 2 3\ngear 1\nf 1 2 3\n", {"a", "1"}},
        GroupCase{"MaterialChangesSplitAGroup", "g body\nusemtl x\nf 1 2 3\nusemtl y\nf 1 2 3\n", {"body_2", "body"}}),
    CaseName());

TEST_F(MeshLoaderTest, EachMaterialNameGoesToTheMeshOfItsPosition) {
    const std::string mtl = "newmtl red\nKd 1 0 0\nnewmtl blue\nKd 0 0 1\n";
    ASSERT_TRUE(load(std::string("mtllib any.mtl\n") + triangle +
                         "g body\nusemtl red\nf 1 2 3\nusemtl blue\nf 1 2 3\nusemtl red\nusemtl nothing\n",
                     mtl));
    ASSERT_EQ(loader.meshes.size(), 2u);
    EXPECT_EQ(loader.meshes[0].material.name, "red");
    EXPECT_EQ(loader.meshes[0].material.diffuseColor, Vector3(1, 0, 0));
    EXPECT_EQ(loader.meshes[1].material.name, "blue");

    ASSERT_TRUE(load(std::string("mtllib a\n") + triangle + "usemtl missing\nf 1 2 3\n", mtl));
    EXPECT_EQ(loader.meshes[0].material.name, "");
}

TEST_F(MeshLoaderTest, MaterialsAccumulateAndTheFirstMatchIsAttached) {
    fakePlatform::setTextResource(mtlId + 10, "newmtl paint\nKd 0 1 0\n");
    ASSERT_TRUE(loader.loadMtlResource(mtlId + 10));
    ASSERT_TRUE(load(std::string("mtllib one.mtl\nmtllib two.mtl\n") + triangle + "usemtl paint\nf 1 2 3\n",
                     "newmtl paint\nKd 1 0 0\n"));
    ASSERT_EQ(loader.materials.size(), 3u);
    EXPECT_EQ(loader.materials[1].diffuseColor, Vector3(1, 0, 0));
    EXPECT_EQ(loader.materials[2].diffuseColor, Vector3(1, 0, 0));
    EXPECT_EQ(loader.meshes[0].material.diffuseColor, Vector3(0, 1, 0));
}

struct MtlCase {
    const char *name;
    std::string mtl;
    std::vector<std::string> materialNames;
};

class MtlNames : public MeshLoaderTest, public testing::WithParamInterface<MtlCase> {};

TEST_P(MtlNames, AreRead) {
    fakePlatform::setTextResource(mtlId, GetParam().mtl);
    ASSERT_TRUE(loader.loadMtlResource(mtlId));
    std::vector<std::string> names;
    for (const auto &material : loader.materials) names.push_back(material.name);
    EXPECT_EQ(names, GetParam().materialNames);
}

INSTANTIATE_TEST_SUITE_P(
    Newmtl, MtlNames,
    testing::Values(MtlCase{"CarriageReturnIsTrimmed", "newmtl a\r\nnewmtl b c\r\n", {"a", "b c"}},
                    MtlCase{"ShortLastLineIsNone", "newmtl a\nnewmtl", {"a", "none"}},
                    MtlCase{"CarriageReturnRightAfterTheWordIsNoNewmtl", "newmtl\r\nKd 1 1 1\r\n", {""}},
                    MtlCase{"EmptyTextGivesOneDefaultMaterial", "", {""}}),
    CaseName());

TEST_F(MeshLoaderTest, MaterialValuesAndMaps) {
    fakePlatform::setTextResource(mtlId, "Ns 5\nnewmtl first\nKa 0.5 0.25 1\r\nKa 9 9\nKd 1 2 3 4\nNi 1.5\r\n"
                                         "d 0.5\nillum 3\r\nmap_Kd diffuse.png\r\nbump b.png\n"
                                         "newmtl second\nmap_Bump x y\nmap_bump z\nmap_Ka a\nmap_Ks s\n"
                                         "map_Ns n\nmap_d d\nTr 0.5\nTf 1 1 1\n");
    ASSERT_TRUE(loader.loadMtlResource(mtlId));
    ASSERT_EQ(loader.materials.size(), 2u);
    const objl::Material &first = loader.materials[0];
    EXPECT_EQ(first.specularExponent, 5.0f) << "values before the first newmtl belong to it";
    EXPECT_EQ(first.ambientColor, Vector3(0.5f, 0.25f, 1)) << "a colour of two values changes nothing";
    EXPECT_EQ(first.diffuseColor, Vector3(0, 0, 0)) << "nor one of four";
    EXPECT_EQ(first.opticalDensity, 1.5f);
    EXPECT_EQ(first.dissolve, 0.5f);
    EXPECT_EQ(first.illuminationModel, 3);
    EXPECT_EQ(first.diffuseMap, "diffuse.png\r");
    EXPECT_EQ(first.bumpMap, "b.png");
    const objl::Material &second = loader.materials[1];
    EXPECT_EQ(second.bumpMap, "z");
    EXPECT_EQ(second.ambientMap, "a");
    EXPECT_EQ(second.specularMap, "s");
    EXPECT_EQ(second.specularExponentMap, "n");
    EXPECT_EQ(second.dissolveMap, "d");
    EXPECT_EQ(second.dissolve, 0.0f);
}

TEST_F(MeshLoaderTest, NothingToLoadFails) {
    EXPECT_FALSE(load(""));
    EXPECT_FALSE(load("# only a comment\ns off\ng nothing\n"));
    fakePlatform::removeTextResource(objId);
    EXPECT_FALSE(loader.loadObjResource(objId, mtlId));
    // positions alone are no mesh, but corners of a face without triangles are still vertices
    EXPECT_TRUE(load("v 0 0 0\nvn 0 0 1\nf 1//1 1//1\n"));
    EXPECT_TRUE(loader.meshes.empty());
    EXPECT_EQ(loader.allVertices.size(), 2u);
}

struct MalformedCase {
    const char *name;
    std::string obj;
    std::string mtl;
};

class MalformedText : public MeshLoaderTest, public testing::WithParamInterface<MalformedCase> {};

TEST_P(MalformedText, FailsTheLoadAndLeavesNoMeshes) {
    ASSERT_TRUE(load(std::string(triangle) + "f 1 2 3\n"));
    EXPECT_FALSE(load(GetParam().obj, GetParam().mtl));
    EXPECT_TRUE(loader.meshes.empty());
    EXPECT_TRUE(loader.allVertices.empty());
    EXPECT_TRUE(loader.allIndices.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedText,
    testing::Values(
        MalformedCase{"WordForACoordinate", "v 1 x 3\n", ""}, MalformedCase{"TwoCoordinates", "v 1 2\n", ""},
        MalformedCase{"DoubledBlankLeavesAnEmptyPiece", "v 1  2 3\n", ""},
        MalformedCase{"OneTexCoordinate", "vt 0.5\n", ""}, MalformedCase{"TwoNormalComponents", "vn 0 1\n", ""},
        MalformedCase{"Infinity", "v inf 0 0\n", ""}, MalformedCase{"NotANumber", "v 0 nan 0\n", ""},
        MalformedCase{"BeyondFloat", "v 0 0 1e39\n", ""}, MalformedCase{"BeyondDouble", "v 0 0 1e999\n", ""},
        MalformedCase{"IndexZero", std::string(triangle) + "f 0 1 2\n", ""},
        MalformedCase{"IndexPastTheEnd", std::string(triangle) + "f 1 2 4\n", ""},
        MalformedCase{"NegativeIndexBeforeTheStart", std::string(triangle) + "f -4 1 2\n", ""},
        MalformedCase{"IndexBeyond32Bits", std::string(triangle) + "f 1 2 4294967299\n", ""},
        MalformedCase{"IndexThatIsNoNumber", std::string(triangle) + "f 1 2 c\n", ""},
        MalformedCase{"TexCoordIndexOutside", std::string(triangle) + "vt 0 0\nf 1/1 2/2 3/1\n", ""},
        MalformedCase{"NormalIndexOutside", std::string(triangle) + "vn 0 0 1\nf 1//1 2//2 3//1\n", ""},
        MalformedCase{"NormalIndexWithoutNormals", std::string(triangle) + "f 1//1 2//1 3//1\n", ""},
        MalformedCase{"EmptyCornerFromDoubledBlank", std::string(triangle) + "f 1  2 3\n", ""},
        MalformedCase{"CornerOfFourParts", std::string(triangle) + "f 1/1/1/1 2 3\n", ""},
        MalformedCase{"CornerWithEmptyTexCoordPart", std::string(triangle) + "f 1// 2// 3//\n", ""},
        MalformedCase{"CornerWithoutPosition", std::string(triangle) + "vt 0 0\nf /1 /1 /1\n", ""},
        MalformedCase{"TwoCornersNeedingANormal", std::string(triangle) + "f 1 2\n", ""},
        MalformedCase{"ScalarThatIsNoNumber", std::string("mtllib m\n") + triangle + "f 1 2 3\n", "Ns shiny\n"},
        MalformedCase{"EmptyScalar", std::string("mtllib m\n") + triangle + "f 1 2 3\n", "newmtl m\nd\n"},
        MalformedCase{"IlluminationThatIsNoNumber", std::string("mtllib m\n") + triangle + "f 1 2 3\n", "illum x\n"},
        MalformedCase{"ColourThatIsNoNumber", std::string("mtllib m\n") + triangle + "f 1 2 3\n", "Ka 1 x 1\n"}),
    CaseName());

TEST_F(MeshLoaderTest, MissingMaterialLibraryGivesOneDefaultMaterial) {
    fakePlatform::removeTextResource(mtlId);
    EXPECT_TRUE(loader.loadMtlResource(mtlId));
    ASSERT_EQ(loader.materials.size(), 1u);
    EXPECT_EQ(loader.materials[0].name, "");
}

TEST_F(MeshLoaderTest, FailedMaterialLibraryLeavesTheMaterialsAsTheyWere) {
    fakePlatform::setTextResource(mtlId, "newmtl kept\nnewmtl broken\nNs x\n");
    EXPECT_FALSE(loader.loadMtlResource(mtlId));
    EXPECT_TRUE(loader.materials.empty());
}

} // namespace
