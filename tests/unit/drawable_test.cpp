#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/scene_state.h"
#include "gfx/glfw_program_manager.h"
#include "gl_recorder.h"
#include "scene/camera.h"
#include "scene/glfw_drawable_sky.h"
#include "scene/transforms.h"
#include "shader_gl_fakes.h"

namespace {

// Uniform locations are the position of the name in this list, so each upload names its uniform.
const std::vector<std::string> uniformNames = {"model_world", "world_projection", "model_projection",
                                               "iTime",       "viewportWidth",    "viewportHeight"};

struct Upload {
    std::string uniform;
    std::array<float, 16> values;
};
std::vector<Upload> uploads;

GLint APIENTRY uniformLocation(GLuint program, const GLchar *name) {
    GlRecorder::record("glGetUniformLocation", {GlArg{static_cast<long long>(program)}});
    for (std::size_t i = 0; i < uniformNames.size(); ++i)
        if (uniformNames[i] == name) return static_cast<GLint>(i);
    return -1;
}

void APIENTRY uniformMatrix(GLint location, GLsizei count, GLboolean transpose, const GLfloat *value) {
    GlRecorder::record("glUniformMatrix4fv",
                       {GlArg{static_cast<long long>(location)}, GlArg{static_cast<long long>(count)},
                        GlArg{static_cast<long long>(transpose)}});
    Upload upload{uniformNames.at(static_cast<std::size_t>(location)), {}};
    std::copy(value, value + 16, upload.values.begin());
    uploads.push_back(upload);
}

void APIENTRY uniformFloat(GLint location, GLfloat value) {
    GlRecorder::record("glUniform1f", {GlArg{static_cast<long long>(location)}});
    uploads.push_back({uniformNames.at(static_cast<std::size_t>(location)), {value}});
}

std::array<float, 16> elements(const Mat4 &m) {
    std::array<float, 16> result{};
    std::copy(m.data(), m.data() + 16, result.begin());
    return result;
}

// The sky as the scene builds it: the real rectangle resources, the camera at the origin looking
// along -Z, the projection of a 16:9 window, the identity model matrix.
class SkyDraw : public testing::Test {
protected:
    void SetUp() override {
        shaderFakes::install();
        glGetUniformLocation = uniformLocation;
        glUniformMatrix4fv = uniformMatrix;
        glUniform1f = uniformFloat;
        uploads.clear();
        programs.add("BackgroundProgram", 137, 136);
        camera.updateView(0);
        camera.setProjection(projection);
        state.setTime(12.5f);
        state.setViewportSize(1920.0f, 1080.0f);
        // Made after the stubs are in, since building it already makes GL calls.
        sky = std::make_unique<GLFWDrawableSky>(&state, &camera, &programs, "BackgroundProgram", 141, 140, 1.0f);
        sky->initBuffers();
        sky->setModelMatrix(translate(0.0f, 0.0f, 0.0f));
        GlRecorder::reset();
    }

    const Mat4 projection = perspective(40.0f, 1920.0f / 1080.0f, 0.1f, 1000.0f);
    GLFWProgramManager programs;
    GLFWSceneState state{0.0f};
    GLFWCamera camera{0.0f, 0.0f, 0.0f};
    std::unique_ptr<GLFWDrawableSky> sky;
};

TEST_F(SkyDraw, UsesTheProgramThenUploadsSixUniformsThenBindsAndDrawsTheRectangleOnce) {
    sky->draw(0);

    auto names = GlRecorder::names();
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names.front(), "glUseProgram");
    std::vector<std::string> uniformOrder;
    uniformOrder.reserve(uploads.size());
    for (const auto &upload : uploads) uniformOrder.push_back(upload.uniform);
    EXPECT_EQ(uniformOrder, uniformNames);

    auto lastUpload = std::find(names.rbegin(), names.rend(), "glUniform1f");
    auto firstBind = std::find(names.begin(), names.end(), "glBindBuffer");
    ASSERT_NE(firstBind, names.end());
    const auto lastUploadIndex = lastUpload.base() - names.begin() - 1;
    EXPECT_LT(lastUploadIndex, firstBind - names.begin()) << "buffers are bound after the uniforms";

    auto draws = GlRecorder::callsOf("glDrawElements");
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].intArg(0), GL_TRIANGLES);
    EXPECT_EQ(draws[0].intArg(1), 6);
    EXPECT_EQ(draws[0].intArg(2), GL_UNSIGNED_INT);
    EXPECT_EQ(draws[0].pointerArg(3), nullptr);
    EXPECT_TRUE(GlRecorder::callsOf("glDrawElementsInstanced").empty());
}

TEST_F(SkyDraw, MatricesAreModelThenProjectionTimesViewThenTheirProductWithTheModel) {
    sky->draw(0);
    ASSERT_EQ(uploads.size(), 6u);
    // At the origin looking along -Z the view is the identity: both products are the projection.
    EXPECT_EQ(uploads[0].values, elements(translate(0.0f, 0.0f, 0.0f)));
    EXPECT_EQ(uploads[1].values, elements(projection));
    EXPECT_EQ(uploads[2].values, elements(projection));
    for (const auto &call : GlRecorder::callsOf("glUniformMatrix4fv")) {
        EXPECT_EQ(call.intArg(1), 1);
        EXPECT_EQ(call.intArg(2), GL_FALSE);
    }
    EXPECT_FLOAT_EQ(uploads[3].values[0], 12.5f);
    EXPECT_FLOAT_EQ(uploads[4].values[0], 1920.0f);
    EXPECT_FLOAT_EQ(uploads[5].values[0], 1080.0f);

    // A moved model shows in the model matrix and in the last product only.
    GlRecorder::reset();
    uploads.clear();
    const Mat4 moved = translate(1.0f, 2.0f, -3.0f);
    sky->setModelMatrix(moved);
    sky->draw(0);
    EXPECT_EQ(uploads[0].values, elements(moved));
    EXPECT_EQ(uploads[1].values, elements(projection));
    EXPECT_EQ(uploads[2].values, elements(projection * moved));
}

TEST_F(SkyDraw, PositiveInstanceCountDrawsInstancedInstead) {
    sky->draw(4);
    EXPECT_TRUE(GlRecorder::callsOf("glDrawElements").empty());
    auto draws = GlRecorder::callsOf("glDrawElementsInstanced");
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].intArg(1), 6);
    EXPECT_EQ(draws[0].intArg(4), 4);
}

TEST_F(SkyDraw, UnregisteredProgramDrawsWithoutUploadingAnything) {
    GLFWDrawableSky stray(&state, &camera, &programs, "NoSuchProgram", 141, 140, 1.0f);
    GlRecorder::reset();
    uploads.clear();
    stray.setModelMatrix(translate(0.0f, 0.0f, 0.0f));
    stray.draw(0);
    EXPECT_TRUE(uploads.empty());
    EXPECT_TRUE(GlRecorder::callsOf("glUseProgram").empty());
}

} // namespace
