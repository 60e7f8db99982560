#pragma once
// What the throughput harness renders: each source opens its own full-screen window, sets up
// once, then draws one frame per call into the window's back buffer.
struct GLFWwindow;

struct FrameSource {
    GLFWwindow *(*setUp)();
    void (*draw)();
};

/// The screensaver itself: its render host, its scene set up once, its frame.
extern const FrameSource programFrames;
/// Baseline (a): the effect's fragment shader over one full-screen triangle and nothing else.
extern const FrameSource effectTriangle;
/// Baseline (a) drawing what the screensaver is defined to draw: its rectangle as two triangles,
/// blending on, colour and depth cleared every frame.
extern const FrameSource effectAsProgram;
/// Baseline (b): the same triangle with a flat-colour fragment shader.
extern const FrameSource flatTriangle;
