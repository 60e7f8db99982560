// Any MTL text: the load must end, and either append at least one material or, when it fails,
// leave the list as it was.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fake_platform.h"
#include "fuzz_check.h"
#include "mesh/mesh_loader.h"

namespace {
constexpr int mtlId = 140;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string text(reinterpret_cast<const char *>(data), size);
    fakePlatform::setTextResource(mtlId, text);

    objl::MeshLoader loader;
    const bool loaded = loader.loadMtlResource(mtlId);
    fuzzCheck(loaded ? !loader.materials.empty() : loader.materials.empty(),
              "a load appends at least one material, a failed one none");
    // Lines end at line feeds, so no name read from a line can hold one.
    for (const objl::Material &material : loader.materials) {
        fuzzCheck(material.name.find('\n') == std::string::npos, "names stay within their line");
    }
    fakePlatform::reset();
    return 0;
}
