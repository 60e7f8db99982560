#include "gfx/text_resource.h"

#include <algorithm>
#include <cstring>

#include "platform/platform.h"

void readTextResource(std::uint16_t id, char *destination, std::size_t capacity) {
    const platform::TextResource resource = platform::findTextResource(id);
    // The tilde marks the end of a shader text; the bounds keep a text without one (or a resource
    // that is missing or longer than the buffer) from reading or writing past either end.
    const std::size_t limit = resource.bytes == nullptr ? 0 : std::min(resource.size, capacity);
    std::size_t length = 0;
    while (length < limit && resource.bytes[length] != '~') {
        destination[length] = resource.bytes[length];
        ++length;
    }
    std::memset(destination + length, 0, 4);
}
