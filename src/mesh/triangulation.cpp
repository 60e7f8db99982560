#include "mesh/triangulation.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace objl {

namespace {

// 180 / 3.14159265359, the factor every face has always been cut with; full-precision pi would
// move angles that sit right at the limits to the other side of the test.
constexpr double degreesPerRadian = 57.29577951307855;

/// Appends the indices of the corners at the triangle's three positions, in ascending corner
/// order, which keeps a convex face's winding whatever the order of a, b and c. Each corner is
/// used at most once and each position once per triangle, so a face that repeats a position
/// still gives exactly three indices. A position that matches no corner (one that is not a number
/// equals nothing, not even itself) drops the whole triangle: a partial one would shift every
/// later triangle of the mesh by an index.
void emitTriangle(std::vector<std::uint32_t> &out, const std::vector<Vertex> &corners, Vector3 a, Vector3 b,
                  Vector3 c) {
    std::array<Vector3, 3> wanted = {a, b, c};
    std::array<bool, 3> found = {false, false, false};
    std::array<std::uint32_t, 3> triangle{};
    std::size_t count = 0;
    for (std::size_t j = 0; j < corners.size() && count < triangle.size(); ++j) {
        for (std::size_t k = 0; k < wanted.size(); ++k) {
            if (!found[k] && corners[j].position == wanted[k]) {
                found[k] = true;
                triangle[count++] = static_cast<std::uint32_t>(j);
                break;
            }
        }
    }
    if (count == triangle.size()) out.insert(out.end(), triangle.begin(), triangle.end());
}

/// The angle at cur must be strictly between 0 and 180 degrees, so a corner on the straight line
/// between its neighbours is no ear. An angle that is not a number does not rule the ear out.
bool passesAngleTest(Vector3 prev, Vector3 cur, Vector3 next) {
    double degrees = static_cast<double>(angleBetweenVectors(prev - cur, next - cur)) * degreesPerRadian;
    return !(degrees <= 0.0 || degrees >= 180.0);
}

/// No corner of the whole face, including those already cut off, may lie inside the ear.
bool isEmptyTriangle(const std::vector<Vertex> &corners, Vector3 prev, Vector3 cur, Vector3 next) {
    for (const Vertex &corner : corners) {
        Vector3 p = corner.position;
        if (pointInTriangle(p, prev, cur, next) && p != prev && p != cur && p != next) return false;
    }
    return true;
}

void splitQuad(std::vector<std::uint32_t> &out, const std::vector<Vertex> &corners,
               const std::vector<Vector3> &remaining) {
    Vector3 cur = remaining[0];
    Vector3 prev = remaining[3];
    Vector3 next = remaining[1];
    emitTriangle(out, corners, cur, prev, next);
    for (Vector3 fourth : remaining) {
        if (fourth != cur && fourth != prev && fourth != next) {
            emitTriangle(out, corners, prev, next, fourth);
            return;
        }
    }
}

/// Cuts the first ear of remaining, from the start. False when no entry is an ear.
bool cutFirstEar(std::vector<std::uint32_t> &out, const std::vector<Vertex> &corners, std::vector<Vector3> &remaining) {
    std::size_t size = remaining.size();
    for (std::size_t i = 0; i < size; ++i) {
        Vector3 prev = remaining[(i + size - 1) % size];
        Vector3 cur = remaining[i];
        Vector3 next = remaining[(i + 1) % size];
        if (!passesAngleTest(prev, cur, next) || !isEmptyTriangle(corners, prev, cur, next)) continue;
        emitTriangle(out, corners, cur, prev, next);
        // Removal goes by position, so with a repeated position it may take an earlier twin. A
        // position that is not a number equals no entry, not even its own, so then the ear itself
        // leaves. Either way one entry leaves, which is what bounds the search.
        auto twin = std::find(remaining.begin(), remaining.end(), cur);
        remaining.erase(twin != remaining.end() ? twin : remaining.begin() + static_cast<std::ptrdiff_t>(i));
        return true;
    }
    return false;
}

} // namespace

void triangulateFace(std::vector<std::uint32_t> &out, const std::vector<Vertex> &corners) {
    if (corners.size() < 3) return;
    if (corners.size() == 3) {
        out.insert(out.end(), {0, 1, 2});
        return;
    }
    std::vector<Vector3> remaining;
    remaining.reserve(corners.size());
    for (const Vertex &corner : corners) remaining.push_back(corner.position);
    // Every cut removes one entry and the quad rule ends the loop, so it runs at most N - 3 times.
    while (remaining.size() > 4) {
        if (!cutFirstEar(out, corners, remaining)) return;
    }
    splitQuad(out, corners, remaining);
}

} // namespace objl
