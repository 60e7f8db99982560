#pragma once
// The "TEXTFILE" resources of resources/resources.rc, compiled into the native build.
// The table is generated at build time from the .rc, which stays the one list of resources.
#include <cstddef>
#include <cstdint>

namespace platform {

struct EmbeddedResource {
    std::uint16_t id;
    const unsigned char *bytes;
    std::size_t size;
};

extern const EmbeddedResource embeddedTextResources[];
extern const std::size_t embeddedTextResourceCount;

} // namespace platform
