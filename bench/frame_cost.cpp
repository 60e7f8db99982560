// Host-side cost of one frame: the program's own code over a no-op GL table, so that what is
// timed is the loop's frame steps and the scene's work (lookups, matrix products), not a driver.
// The bare frame is the baseline: the same GL calls with the locations already known.
#include <benchmark/benchmark.h>

#include <GLFW/glfw3.h>

#include "app/background_scene.h"
#include "app/main_loop.h"
#include "gfx/glfw_program_manager.h"
#include "gl_noop.h"
#include "host/window_size.h"
#include "scene/camera.h"
#include "scene/glfw_drawable_sky.h"
#include "scene/transforms.h"

namespace {

// A no-op table answers every status query with 0, which would read as a failed compile.
void APIENTRY compiledShaderStatus(GLuint, GLenum, GLint *params) { *params = 1; }

/// The sky with its per-frame steps opened up, so each can be timed on its own.
class OpenSky : public GLFWDrawableSky {
public:
    using GLFWDrawableObject::setMatrixUniforms;
    using GLFWDrawableSky::GLFWDrawableSky;
    using GLFWDrawableSky::setUniforms;
};

OpenSky *openSky = nullptr;

/// The scene set up once over the no-op table, as the main loop does before its first frame.
void setUpScene() {
    installNoopGlEntryPoints();
    glGetShaderiv = compiledShaderStatus;
    setWindowSize(1920, 1080);
    backgroundScene.setup();
    openSky = new OpenSky(sceneState, camera, programManager, "BackgroundProgram", 141, 140, 1.0f);
    openSky->initBuffers();
    backgroundScene.time(1.0f);
    backgroundScene.prepare();
}

void programFrame(benchmark::State &state) {
    for (auto _ : state) renderFrame(backgroundScene);
}

// What any frame of this picture must call: clock, framebuffer, clear, viewport, program, six
// uniforms at known locations, buffers with three attributes, one draw.
void bareFrame(benchmark::State &state) {
    const Mat4 identity = translate(0.0f, 0.0f, 0.0f);
    for (auto _ : state) {
        const auto t = static_cast<float>(glfwGetTime());
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glViewport(0, 0, windowWidth, windowHeight);
        glUseProgram(1);
        for (GLint location = 0; location < 3; ++location) glUniformMatrix4fv(location, 1, GL_FALSE, identity.data());
        glUniform1f(3, t);
        glUniform1f(4, static_cast<float>(windowWidth));
        glUniform1f(5, static_cast<float>(windowHeight));
        glBindBuffer(GL_ARRAY_BUFFER, 1);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 2);
        for (GLuint attribute = 0; attribute < 3; ++attribute) {
            glEnableVertexAttribArray(attribute);
            glVertexAttribPointer(attribute, 3, GL_FLOAT, GL_FALSE, 96, nullptr);
        }
        glDrawElements(GL_TRIANGLES, 6, GL_UNSIGNED_INT, nullptr);
        benchmark::ClobberMemory();
    }
}

void scenePreparation(benchmark::State &state) {
    for (auto _ : state) backgroundScene.prepare();
}

void sceneDrawing(benchmark::State &state) {
    for (auto _ : state) backgroundScene.draw();
}

void matrixUniforms(benchmark::State &state) {
    for (auto _ : state) openSky->setMatrixUniforms();
}

void floatUniforms(benchmark::State &state) {
    for (auto _ : state) openSky->setUniforms();
}

void registryLookup(benchmark::State &state) {
    for (auto _ : state) benchmark::DoNotOptimize(programManager->find("BackgroundProgram"));
}

void locationCacheLookup(benchmark::State &state) {
    GLFWProgram *program = programManager->find("BackgroundProgram");
    for (auto _ : state) benchmark::DoNotOptimize(program->uniformLocation("world_projection"));
}

void matrixProducts(benchmark::State &state) {
    const Mat4 model = translate(0.0f, 0.0f, 0.0f);
    for (auto _ : state) {
        Mat4 worldProjection = camera->projection() * camera->view();
        Mat4 modelProjection = worldProjection * model;
        benchmark::DoNotOptimize(modelProjection);
    }
}

} // namespace

BENCHMARK(programFrame)->Name("frame/program");
BENCHMARK(bareFrame)->Name("frame/bare");
BENCHMARK(scenePreparation)->Name("part/scene_preparation");
BENCHMARK(sceneDrawing)->Name("part/scene_drawing");
BENCHMARK(matrixUniforms)->Name("part/matrix_uniforms");
BENCHMARK(floatUniforms)->Name("part/float_uniforms");
BENCHMARK(registryLookup)->Name("part/registry_lookup");
BENCHMARK(locationCacheLookup)->Name("part/location_cache_lookup");
BENCHMARK(matrixProducts)->Name("part/matrix_products");

int main(int argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    // GLFW's clock is part of the frame; its timer needs the library initialised (and a display).
    if (glfwInit() != GLFW_TRUE) return 1;
    setUpScene();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
