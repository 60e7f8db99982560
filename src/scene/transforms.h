#pragma once
// The transforms the scene needs; angles are in degrees at every interface.
#include "scene/matrix.h"

/// degrees times pi/180 rounded to single precision.
float radians(float degrees);

/// Right-handed OpenGL projection: the eye looks along -Z; points at distance zNear and zFar reach
/// normalised depth -1 and +1. fovyDegrees is the vertical field of view.
Mat4 perspective(float fovyDegrees, float aspect, float zNear, float zFar);

/// View matrix of an eye at eye looking at center. The side axis is not normalised, so with up
/// not perpendicular to the view it shrinks by the sine of their angle (to zero when parallel).
Mat4 lookAt(Vec3 eye, Vec3 center, Vec3 up);

Mat4 translate(float x, float y, float z);
Mat4 translate(Vec3 v);
