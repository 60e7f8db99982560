#pragma once
// Float vectors of two, three and four components. Default construction gives zero, so a vector
// that is read before it is assigned holds a known value rather than garbage.

struct Vec2 {
    float x = 0.0f;
    float y = 0.0f;

    constexpr Vec2() = default;
    constexpr Vec2(float px, float py) : x(px), y(py) {}

    /// Component by index; an index past the end reads the last component, never memory beyond.
    float &operator[](int i) { return i <= 0 ? x : y; }
    float operator[](int i) const { return i <= 0 ? x : y; }
};

struct Vec3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    constexpr Vec3() = default;
    constexpr Vec3(float px, float py, float pz) : x(px), y(py), z(pz) {}

    float &operator[](int i) { return i <= 0 ? x : i == 1 ? y : z; }
    float operator[](int i) const { return i <= 0 ? x : i == 1 ? y : z; }
};

struct Vec4 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float w = 0.0f;

    constexpr Vec4() = default;
    /// Fills all four components with s.
    constexpr explicit Vec4(float s) : x(s), y(s), z(s), w(s) {}
    constexpr Vec4(float px, float py, float pz, float pw) : x(px), y(py), z(pz), w(pw) {}

    float &operator[](int i) { return i <= 0 ? x : i == 1 ? y : i == 2 ? z : w; }
    float operator[](int i) const { return i <= 0 ? x : i == 1 ? y : i == 2 ? z : w; }
};

Vec3 operator+(Vec3 a, Vec3 b);
Vec3 operator-(Vec3 a, Vec3 b);
Vec2 operator-(Vec2 a, Vec2 b);
Vec3 operator*(Vec3 v, float s);
Vec3 operator/(Vec3 v, float s);
Vec3 operator-(Vec3 v);

/// Euclidean length, computed in float.
float length(Vec3 v);
/// v divided by its length. A zero vector has no direction: the result is then not a number.
Vec3 normalize(Vec3 v);
Vec3 cross(Vec3 a, Vec3 b);
