#pragma once
// A 4 by 4 float matrix stored as four columns, in the order glUniformMatrix4fv reads with
// transpose GL_FALSE.
#include "scene/vectors.h"

struct Mat4 {
    Vec4 columns[4];

    /// The zero matrix.
    constexpr Mat4() = default;
    /// Every one of the 16 elements set to s (not only the diagonal).
    constexpr explicit Mat4(float s) : columns{Vec4(s), Vec4(s), Vec4(s), Vec4(s)} {}
    constexpr Mat4(Vec4 c0, Vec4 c1, Vec4 c2, Vec4 c3) : columns{c0, c1, c2, c3} {}

    /// Column by index; an index past the end gives the last column, never memory beyond.
    Vec4 &operator[](int c) { return columns[c <= 0 ? 0 : c >= 3 ? 3 : c]; }
    const Vec4 &operator[](int c) const { return columns[c <= 0 ? 0 : c >= 3 ? 3 : c]; }

    /// The 16 floats, column after column.
    float *data() { return &columns[0].x; }
    const float *data() const { return &columns[0].x; }
};

// data() hands GL the columns as one array of 16 floats: no padding may sit between them.
static_assert(sizeof(Vec4) == 4 * sizeof(float));
static_assert(sizeof(Mat4) == 16 * sizeof(float));

/// The matrix product: applied to a vector, b acts first.
Mat4 operator*(const Mat4 &a, const Mat4 &b);
