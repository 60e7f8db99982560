#include "app/background_scene.h"

#include "app/scene_state.h"
#include "gfx/glfw_program_manager.h"
#include "host/window_size.h"
#include "scene/camera.h"
#include "scene/glfw_drawable_sky.h"
#include "scene/transforms.h"

// The scene's objects: made once by the setup and kept until the process ends.
GLFWProgramManager *programManager = nullptr;
GLFWSceneState *sceneState = nullptr;
GLFWCamera *camera = nullptr;
GLFWDrawableSky *sky = nullptr;

namespace {

constexpr float fieldOfViewDegrees = 40.0f;
constexpr float nearPlane = 0.1f;
constexpr float farPlane = 1000.0f;
constexpr int vertexShaderResource = 137;
constexpr int fragmentShaderResource = 136;
constexpr int rectangleObjResource = 141;
constexpr int rectangleMtlResource = 140;

void setupScene() {
    programManager = new GLFWProgramManager();
    sceneState = new GLFWSceneState(0.0f);
    camera = new GLFWCamera(0.0f, 0.0f, 0.0f);
    camera->pitch(0.0f);
    camera->updateView(0);
    programManager->add("BackgroundProgram", vertexShaderResource, fragmentShaderResource);
    sky = new GLFWDrawableSky(sceneState, camera, programManager, "BackgroundProgram", rectangleObjResource,
                              rectangleMtlResource, 1.0f);
    sky->initBuffers();
}

void sceneTime(float t) { sceneState->setTime(t); }

void prepareScene() {
    camera->setProjection(perspective(fieldOfViewDegrees, windowAspect, nearPlane, farPlane));
    sceneState->setViewportSize(static_cast<float>(windowWidth), static_cast<float>(windowHeight));
    sky->setModelMatrix(translate(0.0f, 0.0f, 0.0f));
}

void drawScene() { sky->draw(0); }

} // namespace

const SceneOperations backgroundScene = {setupScene, sceneTime, prepareScene, drawScene};
