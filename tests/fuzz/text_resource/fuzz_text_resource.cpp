// Any resource bytes and any capacity: readTextResource must write only the capacity plus four
// zero bytes, and the text it leaves must end at the first tilde or at a bound.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "fake_platform.h"
#include "fuzz_check.h"
#include "gfx/text_resource.h"

namespace {
constexpr std::uint16_t resourceId = 136;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte picks a small capacity (so texts longer than the buffer are common) or the
    // program's own; the rest is the resource.
    const std::size_t capacity = data[0] == 0xff ? textResourceCapacity : data[0] % 64;
    std::string bytes(reinterpret_cast<const char *>(data + 1), size - 1);
    fakePlatform::setTextResource(resourceId, bytes);

    // Exactly capacity + 4 bytes on the heap, so one byte more is an AddressSanitizer report.
    auto buffer = std::make_unique<char[]>(capacity + 4);
    readTextResource(resourceId, buffer.get(), capacity);

    // The copy stops at the first tilde, the resource's end or the capacity, whichever comes first.
    const std::size_t length = std::min({bytes.find('~'), bytes.size(), capacity});
    fuzzCheck(std::memcmp(buffer.get(), bytes.data(), length) == 0, "text is the resource's first bytes");
    for (std::size_t i = length; i < length + 4; ++i) fuzzCheck(buffer[i] == '\0', "four zero bytes follow");
    fakePlatform::reset();
    return 0;
}
