#include "scene/transforms.h"

#include <cmath>

float radians(float degrees) { return degrees * 0.017453292f; }

Mat4 perspective(float fovyDegrees, float aspect, float zNear, float zFar) {
    const float t = std::tan(radians(0.5f * fovyDegrees));
    const float f = 1.0f / t;
    return {Vec4(f / aspect, 0.0f, 0.0f, 0.0f), Vec4(0.0f, f, 0.0f, 0.0f),
            Vec4(0.0f, 0.0f, (zNear + zFar) / (zNear - zFar), -1.0f),
            Vec4(0.0f, 0.0f, (2.0f * zNear * zFar) / (zNear - zFar), 0.0f)};
}

Mat4 lookAt(Vec3 eye, Vec3 center, Vec3 up) {
    const Vec3 f = normalize(center - eye);
    const Vec3 u0 = normalize(up);
    const Vec3 s = cross(f, u0);
    const Vec3 u = cross(s, f);
    const Mat4 rotation(Vec4(s.x, u.x, -f.x, 0.0f), Vec4(s.y, u.y, -f.y, 0.0f), Vec4(s.z, u.z, -f.z, 0.0f),
                        Vec4(0.0f, 0.0f, 0.0f, 1.0f));
    return rotation * translate(-eye);
}

Mat4 translate(float x, float y, float z) {
    return {Vec4(1.0f, 0.0f, 0.0f, 0.0f), Vec4(0.0f, 1.0f, 0.0f, 0.0f), Vec4(0.0f, 0.0f, 1.0f, 0.0f),
            Vec4(x, y, z, 1.0f)};
}

Mat4 translate(Vec3 v) { return translate(v.x, v.y, v.z); }
