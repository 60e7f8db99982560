#pragma once
#include "app/scene.h"

/// The screensaver's scene: the background effect over the whole window.
extern const SceneOperations backgroundScene;
