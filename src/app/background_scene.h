#pragma once
#include "app/scene.h"

/// The screensaver's scene: the background effect over the whole window.
extern const SceneOperations backgroundScene;

class GLFWProgramManager;
class GLFWSceneState;
class GLFWCamera;
class GLFWDrawableSky;

// The scene's objects, created by its setup and never destroyed.
extern GLFWProgramManager *programManager;
extern GLFWSceneState *sceneState;
extern GLFWCamera *camera;
extern GLFWDrawableSky *sky;
