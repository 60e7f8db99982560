#pragma once

/// The four steps through which the main loop drives a scene.
struct SceneOperations {
    void (*setup)();       ///< once, before the first frame, with the context current
    void (*time)(float t); ///< first in every frame: seconds since GLFW was initialised
    void (*prepare)();     ///< after the time, before the framebuffer is cleared
    void (*draw)();        ///< after the clear and the viewport
};
