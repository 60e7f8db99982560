#pragma once
// The mesh reader's value types and the few vector operations that face building and
// triangulation need. Everything is single precision except where a root or an arc cosine is
// taken: those run in double and are narrowed back, so results match on every compiler.

namespace objl {

struct Vector2 {
    float x = 0.0f;
    float y = 0.0f;

    constexpr Vector2() = default;
    constexpr Vector2(float px, float py) : x(px), y(py) {}
};

struct Vector3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    constexpr Vector3() = default;
    constexpr Vector3(float px, float py, float pz) : x(px), y(py), z(pz) {}

    Vector3 operator-(const Vector3 &other) const { return {x - other.x, y - other.y, z - other.z}; }
    /// Exact float comparison: triangulation matches corners by identical positions, never by
    /// nearness. A component that is not a number is unequal to everything.
    bool operator==(const Vector3 &other) const { return x == other.x && y == other.y && z == other.z; }
    bool operator!=(const Vector3 &other) const { return !(*this == other); }
};

/// One face corner as read: every corner of every face is its own vertex, never shared.
struct Vertex {
    Vector3 position;
    Vector3 normal;
    Vector2 texCoord;
};

Vector3 crossProduct(Vector3 a, Vector3 b);
float dotProduct(Vector3 a, Vector3 b);
float vectorLength(Vector3 a);
/// The angle in radians. Not clamped: a zero-length vector, or a cosine that rounding pushes past
/// 1, gives a result that is not a number.
float angleBetweenVectors(Vector3 a, Vector3 b);

/// Whether point, projected onto the triangle's plane, lies inside the triangle t1 t2 t3; corners
/// and edges count as inside. False for a degenerate triangle.
bool pointInTriangle(Vector3 point, Vector3 t1, Vector3 t2, Vector3 t3);

} // namespace objl
