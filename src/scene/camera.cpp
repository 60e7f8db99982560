#include "scene/camera.h"

#include <cmath>

#include "scene/transforms.h"

GLFWCamera::GLFWCamera(float x, float y, float z)
    : position(x, y, z), front(0.0f, 0.0f, -1.0f), right(1.0f, 0.0f, 0.0f), up(0.0f, 1.0f, 0.0f) {
    target = position + front;
}

void GLFWCamera::pitch(float degrees) {
    const float a = radians(degrees);
    // With the unit frame of the constructor front and up stay unit length and perpendicular, so
    // front is not renormalised.
    front = front * std::cos(a) + up * std::sin(a);
    up = cross(right, front);
    target = position + front;
}

void GLFWCamera::updateView(int index) {
    if (index < 0 || index >= viewSlots) return;
    views[index] = lookAt(position, target, up);
    currentView = index;
}

void GLFWCamera::setProjection(Mat4 m) { projectionMatrix = m; }

Mat4 GLFWCamera::view() const { return views[currentView]; }

Mat4 GLFWCamera::projection() const { return projectionMatrix; }
