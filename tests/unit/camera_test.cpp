#include <gtest/gtest.h>

#include "scene/camera.h"
#include "scene/transforms.h"

namespace {

void expectMatrixNear(const Mat4 &actual, const Mat4 &expected, float tolerance) {
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            EXPECT_NEAR(actual[c][r], expected[c][r], tolerance) << "row " << r << ", column " << c;
}

void expectVectorNear(Vec3 actual, Vec3 expected, const char *what) {
    EXPECT_NEAR(actual.x, expected.x, 1e-6f) << what;
    EXPECT_NEAR(actual.y, expected.y, 1e-6f) << what;
    EXPECT_NEAR(actual.z, expected.z, 1e-6f) << what;
}

struct PositionCase {
    Vec3 position;
};

class CameraView : public testing::TestWithParam<PositionCase> {};

TEST_P(CameraView, UnpitchedCameraOnlyMovesTheWorldBack) {
    const Vec3 p = GetParam().position;
    GLFWCamera camera(p.x, p.y, p.z);
    camera.updateView(0);
    expectMatrixNear(camera.view(), translate(-p), 1e-6f);
}

INSTANTIATE_TEST_SUITE_P(Positions, CameraView,
                         testing::Values(PositionCase{{0, 0, 0}}, PositionCase{{0, 0, 5}}, PositionCase{{1, -2, 3}}));

struct PitchCase {
    float degrees;
    Vec3 front;
    Vec3 up;
};

class CameraPitch : public testing::TestWithParam<PitchCase> {};

TEST_P(CameraPitch, TurnsTheFrameAboutTheRightAxis) {
    GLFWCamera camera(0, 0, 5);
    camera.pitch(GetParam().degrees);
    expectVectorNear(camera.front, GetParam().front, "front");
    expectVectorNear(camera.up, GetParam().up, "up");
    expectVectorNear(camera.target, camera.position + GetParam().front, "target");
    expectVectorNear(camera.right, Vec3(1, 0, 0), "right");
}

TEST_P(CameraPitch, PointAheadLandsOnTheNegativeZAxisOfTheView) {
    GLFWCamera camera(0, 0, 5);
    camera.pitch(GetParam().degrees);
    camera.updateView(0);
    const Vec3 ahead = camera.position + camera.front * 3.0f;
    const Mat4 v = camera.view();
    for (int r = 0; r < 3; ++r) {
        const float coordinate = v[0][r] * ahead.x + v[1][r] * ahead.y + v[2][r] * ahead.z + v[3][r];
        EXPECT_NEAR(coordinate, r == 2 ? -3.0f : 0.0f, 1e-5f) << "view-space component " << r;
    }
}

INSTANTIATE_TEST_SUITE_P(Angles, CameraPitch,
                         testing::Values(PitchCase{0.0f, {0, 0, -1}, {0, 1, 0}}, PitchCase{90.0f, {0, 1, 0}, {0, 0, 1}},
                                         PitchCase{-90.0f, {0, -1, 0}, {0, 0, -1}},
                                         PitchCase{180.0f, {0, 0, 1}, {0, -1, 0}}));

TEST(Camera, ViewChangesOnlyWhenUpdated) {
    GLFWCamera camera(0, 0, 0);
    camera.updateView(0);
    camera.pitch(90.0f);
    expectMatrixNear(camera.view(), translate(0, 0, 0), 0.0f);
    camera.updateView(0);
    EXPECT_NEAR(camera.view()[1][2], -1.0f, 1e-6f); // world +Y is now straight ahead
}

TEST(Camera, SlotOutsideTheFiveIsIgnored) {
    GLFWCamera camera(0, 0, 5);
    for (int slot : {-1, 5, 1000}) camera.updateView(slot);
    expectMatrixNear(camera.view(), Mat4(), 0.0f); // nothing written, slot 0 still unset

    camera.updateView(4);
    camera.position = Vec3(0, 0, 9);
    camera.updateView(5);
    expectMatrixNear(camera.view(), translate(0, 0, -5), 1e-6f);
}

} // namespace
