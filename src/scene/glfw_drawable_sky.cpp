#include "scene/glfw_drawable_sky.h"

#include "app/scene_state.h"
#include "mesh/glfw_mesh_buffers.h"

void GLFWDrawableSky::setupAttributes() {
    meshBuffers->addAttribute(programName, "position", 3, 0);
    meshBuffers->addAttribute(programName, "position_tex", 2, 3);
    meshBuffers->addAttribute(programName, "position_normal", 3, 5);
}

void GLFWDrawableSky::setUniforms() {
    setFloatUniform("iTime", sceneState->time());
    setFloatUniform("viewportWidth", sceneState->viewportWidth());
    setFloatUniform("viewportHeight", sceneState->viewportHeight());
}

void GLFWDrawableSky::prepareDraw() {}
