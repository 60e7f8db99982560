#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "case_name.h"
#include "mesh/triangulation.h"

namespace {

using objl::Vector3;

std::vector<objl::Vertex> face(const std::vector<Vector3> &positions) {
    std::vector<objl::Vertex> corners;
    corners.reserve(positions.size());
    for (Vector3 p : positions) corners.push_back({p, {}, {}});
    return corners;
}

std::vector<Vector3> regularPolygon(int n) {
    std::vector<Vector3> corners;
    for (int k = 0; k < n; ++k) {
        double angle = 2.0 * std::numbers::pi * k / n;
        corners.emplace_back(static_cast<float>(std::cos(angle)), static_cast<float>(std::sin(angle)), 0.0f);
    }
    return corners;
}

struct TriangulationCase {
    const char *name;
    std::vector<Vector3> corners;
    std::vector<std::uint32_t> indices;
};

class Triangulation : public testing::TestWithParam<TriangulationCase> {};

TEST_P(Triangulation, CutsTheFaceIntoTheseTriangles) {
    std::vector<std::uint32_t> out;
    objl::triangulateFace(out, face(GetParam().corners));
    EXPECT_EQ(out, GetParam().indices);
}

INSTANTIATE_TEST_SUITE_P(
    Faces, Triangulation,
    testing::Values(
        TriangulationCase{"TwoCorners", {{0, 0, 0}, {1, 0, 0}}, {}},
        TriangulationCase{"ThreeCornersOnALine", {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}}, {0, 1, 2}},
        TriangulationCase{"Square", {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, {0, 1, 3, 1, 2, 3}},
        // a dart whose diagonal from the second to the fourth corner runs outside it: split anyway
        TriangulationCase{"ConcaveQuad", {{0, 1, 0}, {-1, 0, 0}, {0, 2, 0}, {1, 0, 0}}, {0, 1, 3, 1, 2, 3}},
        TriangulationCase{"RegularPentagonFansAroundItsLastCorner", regularPolygon(5), {0, 1, 4, 1, 2, 4, 2, 3, 4}},
        TriangulationCase{"RegularHeptagon", regularPolygon(7), {0, 1, 6, 1, 2, 6, 2, 3, 6, 3, 4, 6, 4, 5, 6}},
        TriangulationCase{"LShape",
                          {{0, 0, 0}, {2, 0, 0}, {2, 1, 0}, {1, 1, 0}, {1, 2, 0}, {0, 2, 0}},
                          {0, 1, 2, 0, 2, 3, 0, 3, 5, 3, 4, 5}},
        TriangulationCase{"FirstCornerOnTheLineBetweenItsNeighbours",
                          {{1, 0, 0}, {2, 0, 0}, {2, 1, 0}, {0, 1, 0}, {0, 0, 0}},
                          {0, 1, 2, 0, 2, 4, 2, 3, 4}},
        TriangulationCase{"FiveCornersOnALine", {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}}, {}},
        // after the one ear at the second corner, five corners on a line are left: the search ends
        // there and keeps that triangle
        TriangulationCase{"NoEarLeftAfterTheFirstCut",
                          {{4, 0, 0}, {3.5f, 1, 0}, {3, 0, 0}, {2, 0, 0}, {1, 0, 0}, {0, 0, 0}},
                          {0, 1, 2}}),
    CaseName());

TEST(Triangulation, AppendsToWhatTheListHeld) {
    std::vector<std::uint32_t> out = {9};
    objl::triangulateFace(out, face({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}));
    EXPECT_EQ(out, (std::vector<std::uint32_t>{9, 0, 1, 2}));
}

// A face that repeats a position cannot be matched corner by corner; it must still give whole
// triangles of distinct corners inside the face, so later triangles and the GPU layout stay aligned.
TEST(Triangulation, RepeatedPositionsStillGiveWholeTrianglesOfDistinctCorners) {
    const std::vector<std::vector<Vector3>> faces = {
        {{0, 0, 0}, {1, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}},
        {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 0, 0}},
        {{0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 0, 0}, {0, 2, 0}, {2, 2, 0}},
        {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
    };
    for (const auto &positions : faces) {
        std::vector<std::uint32_t> out;
        objl::triangulateFace(out, face(positions));
        ASSERT_EQ(out.size() % 3, 0u);
        for (std::size_t t = 0; t < out.size(); t += 3) {
            for (std::size_t k = 0; k < 3; ++k) EXPECT_LT(out[t + k], positions.size());
            EXPECT_NE(out[t], out[t + 1]);
            EXPECT_NE(out[t + 1], out[t + 2]);
            EXPECT_NE(out[t], out[t + 2]);
        }
    }
}

struct PointCase {
    Vector3 point;
    bool inside;
};

class PointInTriangle : public testing::TestWithParam<PointCase> {};

TEST_P(PointInTriangle, TestsTheProjectionOntoThePlane) {
    EXPECT_EQ(objl::pointInTriangle(GetParam().point, {0, 0, 0}, {2, 0, 0}, {0, 2, 0}), GetParam().inside);
}

INSTANTIATE_TEST_SUITE_P(Points, PointInTriangle,
                         testing::Values(PointCase{{0, 0, 0}, true}, PointCase{{2, 0, 0}, true},
                                         PointCase{{0, 2, 0}, true}, PointCase{{1, 0, 0}, true},
                                         PointCase{{1, 1, 0}, true}, PointCase{{0.5f, 0.5f, 7}, true},
                                         PointCase{{4, 0, 0}, false}, PointCase{{1.5f, 1.5f, 0}, false},
                                         PointCase{{-0.1f, 0.5f, 0}, false}));

TEST(PointInTriangle, DegenerateTriangleHoldsNothing) {
    EXPECT_FALSE(objl::pointInTriangle({1, 0, 0}, {0, 0, 0}, {1, 0, 0}, {2, 0, 0}));
    EXPECT_FALSE(objl::pointInTriangle({0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}));
}

TEST(VectorMath, CrossDotAndLength) {
    Vector3 z = objl::crossProduct({1, 0, 0}, {0, 1, 0});
    EXPECT_EQ(z, Vector3(0, 0, 1));
    EXPECT_EQ(objl::crossProduct({0, 1, 0}, {1, 0, 0}), Vector3(0, 0, -1));
    EXPECT_EQ(objl::dotProduct({1, 2, 3}, {4, -5, 6}), 12.0f);
    EXPECT_EQ(objl::vectorLength({3, 4, 12}), 13.0f);
}

TEST(VectorMath, RightAngleIsHalfPiNarrowedAndAStraightAngleExceedsTheLimit) {
    float right = objl::angleBetweenVectors({1, 0, 0}, {0, 1, 0});
    EXPECT_EQ(right, static_cast<float>(std::numbers::pi / 2));
    EXPECT_GT(static_cast<double>(right) * 57.29577951307855, 90.0);
    float straight = objl::angleBetweenVectors({1, 0, 0}, {-3, 0, 0});
    EXPECT_GT(static_cast<double>(straight) * 57.29577951307855, 180.0);
    EXPECT_TRUE(std::isnan(objl::angleBetweenVectors({0, 0, 0}, {1, 0, 0})));
}

TEST(VectorMath, EqualityIsExact) {
    EXPECT_EQ(Vector3(1, 2, 3), Vector3(1, 2, 3));
    EXPECT_NE(Vector3(1, 2, 3), Vector3(1, 2, std::nextafter(3.0f, 4.0f)));
    Vector3 notANumber(std::nanf(""), 0, 0);
    EXPECT_FALSE(notANumber == notANumber);
    EXPECT_TRUE(notANumber != notANumber);
}

// Found by fuzzing: a corner that is not a number matches no corner when triangles are emitted by
// position, which used to leave two indices of a triangle behind and shift every later triangle.
TEST(TriangulationRobustness, ACornerThatIsNotANumberDropsOnlyItsTriangles) {
    const float nan = std::nanf("");
    std::vector<std::uint32_t> quad;
    objl::triangulateFace(quad, face({{0, 0, 0}, {1, 0, 0}, {nan, 0, 0}, {0, 1, 0}}));
    EXPECT_EQ(quad, (std::vector<std::uint32_t>{0, 1, 3}));

    std::vector<std::uint32_t> pentagon;
    objl::triangulateFace(pentagon,
                          face({{0, 2, 0}, {1, 0, 0}, {1, -5.094e-41f, 8.828e-44f}, {nan, nan, nan}, {nan, nan, 0}}));
    EXPECT_EQ(pentagon.size() % 3, 0u);
    for (std::uint32_t index : pentagon) EXPECT_LT(index, 5u);
}

// Found by fuzzing: an ear whose corner is not a number was never removed (removal goes by
// position, and such a position equals nothing), so the search cut the same ear forever.
TEST(TriangulationRobustness, AnEarThatIsNotANumberLeavesAndTheSearchEnds) {
    std::vector<Vector3> pentagon = regularPolygon(5);
    pentagon[0] = {std::nanf(""), 0, 0};
    std::vector<std::uint32_t> out;
    objl::triangulateFace(out, face(pentagon));
    EXPECT_EQ(out, (std::vector<std::uint32_t>{1, 2, 4, 2, 3, 4}));
}

} // namespace
