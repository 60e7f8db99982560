#include "mesh/vector_math.h"

#include <cmath>

namespace objl {

Vector3 crossProduct(Vector3 a, Vector3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float dotProduct(Vector3 a, Vector3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

float vectorLength(Vector3 a) {
    float squares = a.x * a.x + a.y * a.y + a.z * a.z;
    return static_cast<float>(std::sqrt(static_cast<double>(squares)));
}

float angleBetweenVectors(Vector3 a, Vector3 b) {
    float cosine = dotProduct(a, b) / (vectorLength(a) * vectorLength(b));
    return static_cast<float>(std::acos(static_cast<double>(cosine)));
}

bool pointInTriangle(Vector3 point, Vector3 t1, Vector3 t2, Vector3 t3) {
    Vector3 u = t2 - t1;
    Vector3 v = t3 - t1;
    Vector3 w = point - t1;
    Vector3 n = crossProduct(u, v);
    float nn = dotProduct(n, n);
    float gamma = dotProduct(crossProduct(u, w), n) / nn;
    float beta = dotProduct(crossProduct(w, v), n) / nn;
    float alpha = 1.0f - gamma - beta;
    // Written so that a weight that is not a number fails every comparison and so the test.
    auto inUnitRange = [](float weight) { return weight >= 0.0f && weight <= 1.0f; };
    return inUnitRange(alpha) && inUnitRange(beta) && inUnitRange(gamma);
}

} // namespace objl
