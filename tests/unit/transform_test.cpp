#include <gtest/gtest.h>

#include <cmath>

#include "scene/transforms.h"

namespace {

void expectMatrixNear(const Mat4 &actual, const Mat4 &expected, float tolerance) {
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            EXPECT_NEAR(actual[c][r], expected[c][r], tolerance) << "row " << r << ", column " << c;
}

Vec4 apply(const Mat4 &m, Vec4 v) {
    Vec4 out;
    for (int r = 0; r < 4; ++r) out[r] = m[0][r] * v.x + m[1][r] * v.y + m[2][r] * v.z + m[3][r] * v.w;
    return out;
}

TEST(Mat4, FillConstructorSetsEverySixteenElements) {
    for (float s : {0.0f, 1.0f, -2.5f}) {
        const Mat4 m(s);
        for (int i = 0; i < 16; ++i) EXPECT_EQ(m.data()[i], s) << "element " << i << " of Mat4(" << s << ")";
    }
    const Mat4 unset;
    for (int i = 0; i < 16; ++i) EXPECT_EQ(unset.data()[i], 0.0f) << "element " << i << " of Mat4()";
}

TEST(Mat4, DataListsColumnsInTheOrderGlReads) {
    const Mat4 t = translate(7.0f, 8.0f, 9.0f);
    const float *d = t.data();
    EXPECT_EQ(d[12], 7.0f);
    EXPECT_EQ(d[13], 8.0f);
    EXPECT_EQ(d[14], 9.0f);
    EXPECT_EQ(d[15], 1.0f);
    EXPECT_EQ(d[3], 0.0f);
}

TEST(Mat4, ProductTakesRowsOfTheLeftAndColumnsOfTheRight) {
    // a is not symmetric: a(row r, column c) = 4r + c + 1. Multiplying by the all-ones matrix on
    // the right sums a's rows, on the left sums its columns; a transposed product swaps the two.
    Mat4 a;
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r) a[c][r] = static_cast<float>(4 * r + c + 1);
    const Mat4 ones(1.0f);
    const Mat4 rowSums = a * ones;
    const Mat4 columnSums = ones * a;
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r) {
            EXPECT_EQ(rowSums[c][r], static_cast<float>(16 * r + 10)) << "row " << r << ", column " << c;
            EXPECT_EQ(columnSums[c][r], static_cast<float>(4 * c + 28)) << "row " << r << ", column " << c;
        }
}

TEST(Mat4, RightFactorActsFirst) {
    expectMatrixNear(translate(1, 0, 0) * translate(0, 2, 0), translate(1, 2, 0), 0.0f);

    const Mat4 scale(Vec4(2, 0, 0, 0), Vec4(0, 3, 0, 0), Vec4(0, 0, 4, 0), Vec4(0, 0, 0, 1));
    const Vec4 origin(0, 0, 0, 1);
    // translate then scale moves the origin to (2, 3, 4); scale then translate to (1, 1, 1).
    const Vec4 scaledAfter = apply(scale * translate(1, 1, 1), origin);
    const Vec4 scaledBefore = apply(translate(1, 1, 1) * scale, origin);
    EXPECT_EQ(scaledAfter.x, 2.0f);
    EXPECT_EQ(scaledAfter.y, 3.0f);
    EXPECT_EQ(scaledAfter.z, 4.0f);
    EXPECT_EQ(scaledBefore.x, 1.0f);
    EXPECT_EQ(scaledBefore.y, 1.0f);
    EXPECT_EQ(scaledBefore.z, 1.0f);
}

struct PerspectiveCase {
    float aspect;
    double first; // f / aspect, worked out in double
};

class Perspective : public testing::TestWithParam<PerspectiveCase> {};

TEST_P(Perspective, HasTheProjectionElements) {
    const double f = 1.0 / std::tan(20.0 * 3.14159265358979 / 180.0);
    const Mat4 p = perspective(40.0f, GetParam().aspect, 0.1f, 1000.0f);
    Mat4 expected;
    expected[0][0] = static_cast<float>(GetParam().first);
    expected[1][1] = static_cast<float>(f);
    expected[2][2] = static_cast<float>(1000.1 / -999.9);
    expected[2][3] = -1.0f;
    expected[3][2] = static_cast<float>(200.0 / -999.9);
    expectMatrixNear(p, expected, 1e-5f);
}

TEST_P(Perspective, MapsNearAndFarToTheDepthRange) {
    const Mat4 p = perspective(40.0f, GetParam().aspect, 0.1f, 1000.0f);
    const Vec4 nearPoint = apply(p, Vec4(0, 0, -0.1f, 1));
    const Vec4 farPoint = apply(p, Vec4(0, 0, -1000.0f, 1));
    EXPECT_NEAR(nearPoint.z / nearPoint.w, -1.0f, 1e-4f);
    EXPECT_NEAR(farPoint.z / farPoint.w, 1.0f, 1e-3f);
}

INSTANTIATE_TEST_SUITE_P(Aspects, Perspective,
                         testing::Values(PerspectiveCase{1.0f, 2.7474774194546},
                                         PerspectiveCase{16.0f / 9.0f, 1.5454560484432}));

TEST(LookAt, SideAxisIsNotNormalised) {
    // up at 135 degrees to the view: the side axis keeps the length sin 135 = 0.7071.
    const Mat4 slanted = lookAt(Vec3(0, 0, 0), Vec3(0, 0, -1), Vec3(0, 1, 1));
    EXPECT_NEAR(slanted[0][0], 0.70710678f, 1e-6f);
    EXPECT_NEAR(slanted[1][0], 0.0f, 1e-6f);
    EXPECT_NEAR(slanted[2][0], 0.0f, 1e-6f);

    // up along the view: the side axis vanishes, and with it the first two rows.
    const Mat4 parallel = lookAt(Vec3(1, 2, 3), Vec3(1, 7, 3), Vec3(0, 4, 0));
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(parallel[c][0], 0.0f) << "column " << c;
        EXPECT_EQ(parallel[c][1], 0.0f) << "column " << c;
    }
    EXPECT_NEAR(parallel[1][2], -1.0f, 1e-6f);
    EXPECT_NEAR(parallel[3][2], 2.0f, 1e-6f);
}

struct CrossCase {
    Vec3 a, b, expected;
};

TEST(VectorMath, CrossLengthAndNormalize) {
    const CrossCase cases[] = {
        {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
        {{0, 1, 0}, {1, 0, 0}, {0, 0, -1}},
        {{1, 2, 3}, {4, 5, 6}, {-3, 6, -3}},
        {{2, 0, 0}, {4, 0, 0}, {0, 0, 0}},
    };
    for (const CrossCase &c : cases) {
        const Vec3 r = cross(c.a, c.b);
        EXPECT_EQ(r.x, c.expected.x);
        EXPECT_EQ(r.y, c.expected.y);
        EXPECT_EQ(r.z, c.expected.z);
    }
    EXPECT_EQ(length(Vec3(3, 4, 12)), 13.0f);
    const Vec3 n = normalize(Vec3(0, -3, 4));
    EXPECT_FLOAT_EQ(n.y, -0.6f);
    EXPECT_FLOAT_EQ(n.z, 0.8f);
}

TEST(VectorMath, IndexPastTheEndStaysInsideTheValue) {
    const Vec3 v(1, 2, 3);
    EXPECT_EQ(v[2], 3.0f);
    EXPECT_EQ(v[3], 3.0f);
    EXPECT_EQ(v[-1], 1.0f);
    const Mat4 t = translate(5, 6, 7);
    EXPECT_EQ(t[9].x, 5.0f);
}

} // namespace
