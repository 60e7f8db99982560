#pragma once

/// What changes from frame to frame for the drawables: the animation time and the viewport size.
/// The scene writes it before each draw; the setters store the values unchanged.
class GLFWSceneState {
public:
    /// The viewport size starts at 0 by 0 until the first scene preparation sets it.
    explicit GLFWSceneState(float initialTime);

    void setTime(float newSeconds);
    void setViewportSize(float newWidth, float newHeight);
    float time() const;
    float viewportWidth() const;
    float viewportHeight() const;

private:
    float width = 0.0f;
    float height = 0.0f;
    float seconds;
};
