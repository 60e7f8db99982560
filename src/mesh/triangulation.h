#pragma once
#include <cstdint>
#include <vector>

#include "mesh/vector_math.h"

namespace objl {

/// Cuts one polygonal face into triangles by ear clipping and appends face-local indices (into
/// corners), three per triangle, to out. Only the corners' positions are read. Faces of fewer than
/// three corners give nothing, faces of three give 0 1 2, faces of four are split along the
/// diagonal from the second to the fourth corner, and larger faces lose ears until four corners
/// remain or no ear is left, which keeps the triangles found so far.
void triangulateFace(std::vector<std::uint32_t> &out, const std::vector<Vertex> &corners);

} // namespace objl
