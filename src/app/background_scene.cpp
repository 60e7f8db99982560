#include "app/background_scene.h"

// The animation is not drawn yet: every frame shows the cleared, black framebuffer.
namespace {
void setupScene() {}
void sceneTime(float) {}
void prepareScene() {}
void drawScene() {}
} // namespace

const SceneOperations backgroundScene = {setupScene, sceneTime, prepareScene, drawScene};
