#pragma once
// The scene's camera: an eye with a direction frame, look-at views in numbered slots, and the
// projection the scene sets every frame.
#include <cstdint>

#include "scene/matrix.h"

class GLFWCamera {
public:
    static constexpr int viewSlots = 5;

    /// An eye at (x, y, z) looking along -Z with +Y up; view slot 0 selected. Views and the
    /// projection start as zero matrices.
    GLFWCamera(float x, float y, float z);

    /// Turns front about the right axis; up follows. The views are not recomputed: call
    /// updateView afterwards.
    void pitch(float degrees);
    /// Computes the look-at view into slot index and selects it. An index outside the slots is
    /// ignored: nothing is written and the selection stays.
    void updateView(int index);
    void setProjection(Mat4 m);
    Mat4 view() const;
    Mat4 projection() const;

private:
    Mat4 views[viewSlots];
    // Kept inside 0..viewSlots-1 by updateView, so view() never reads outside the slots.
    std::int32_t currentView = 0;

public:
    // The eye's frame is plain data; target is kept equal to position + front by the constructor
    // and pitch.
    Vec3 position;
    Vec3 target;
    Vec3 front;
    Vec3 right;
    Vec3 up;

private:
    Mat4 projectionMatrix;
};
