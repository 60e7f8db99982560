// Any face: triangulation must end and emit whole triangles of the face's own corners, at most
// N - 2 of them.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "fuzz_check.h"
#include "mesh/triangulation.h"

namespace {

/// The first byte picks how the rest becomes corners. Raw floats reach every value, NaN and
/// infinities included; a small integer grid makes repeated positions, collinear runs and concave
/// outlines, where ear clipping is hardest, common.
std::vector<objl::Vertex> cornersFrom(const std::uint8_t *data, std::size_t size) {
    std::vector<objl::Vertex> corners;
    if (size == 0) return corners;
    const bool rawFloats = (data[0] & 1) != 0;
    ++data;
    --size;
    if (rawFloats) {
        for (; size >= 12; data += 12, size -= 12) {
            float xyz[3];
            std::memcpy(xyz, data, sizeof xyz);
            objl::Vertex corner;
            corner.position = {xyz[0], xyz[1], xyz[2]};
            corners.push_back(corner);
        }
    } else {
        for (; size >= 1; ++data, --size) {
            objl::Vertex corner;
            corner.position = {static_cast<float>(*data & 0x07), static_cast<float>((*data >> 3) & 0x07),
                               static_cast<float>(*data >> 6)};
            corners.push_back(corner);
        }
    }
    return corners;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::vector<objl::Vertex> corners = cornersFrom(data, size);
    std::vector<std::uint32_t> indices = {7}; // what was there before must stay
    objl::triangulateFace(indices, corners);

    fuzzCheck(indices[0] == 7, "only appends");
    const std::size_t emitted = indices.size() - 1;
    fuzzCheck(emitted % 3 == 0, "three indices per triangle");
    if (corners.size() < 3) fuzzCheck(emitted == 0, "fewer than three corners give nothing");
    if (corners.size() == 3)
        fuzzCheck(emitted == 3 && indices[1] == 0 && indices[2] == 1 && indices[3] == 2, "three corners give 0 1 2");
    if (corners.size() >= 3) fuzzCheck(emitted <= 3 * (corners.size() - 2), "at most N - 2 triangles");
    for (std::size_t i = 1; i < indices.size(); ++i) fuzzCheck(indices[i] < corners.size(), "index names a corner");
    return 0;
}
