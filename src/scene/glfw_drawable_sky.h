#pragma once
#include "scene/glfw_drawable_object.h"

/// The rectangle that covers the viewport and carries the background effect: its program reads
/// position, texture coordinate and normal, and gets the time and the viewport size.
class GLFWDrawableSky : public GLFWDrawableObject {
public:
    using GLFWDrawableObject::GLFWDrawableObject;

protected:
    void setupAttributes() override;
    void setUniforms() override;
    void prepareDraw() override;
};
