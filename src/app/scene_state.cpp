#include "app/scene_state.h"

GLFWSceneState::GLFWSceneState(float initialTime) : seconds(initialTime) {}

void GLFWSceneState::setTime(float newSeconds) { seconds = newSeconds; }

void GLFWSceneState::setViewportSize(float newWidth, float newHeight) {
    width = newWidth;
    height = newHeight;
}

float GLFWSceneState::time() const { return seconds; }
float GLFWSceneState::viewportWidth() const { return width; }
float GLFWSceneState::viewportHeight() const { return height; }
