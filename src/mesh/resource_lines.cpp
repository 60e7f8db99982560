#include "mesh/resource_lines.h"

#include <cstdint>

#include "platform/platform.h"

namespace objl {

std::string_view textResource(int id) {
    platform::TextResource resource = platform::findTextResource(static_cast<std::uint16_t>(id));
    if (resource.bytes == nullptr) return {};
    return {resource.bytes, resource.size};
}

bool LineReader::next(std::string_view &line) {
    if (rest.empty()) return false;
    std::size_t end = rest.find('\n');
    if (end == std::string_view::npos) {
        line = rest;
        rest = {};
    } else {
        line = rest.substr(0, end);
        rest.remove_prefix(end + 1);
    }
    return true;
}

} // namespace objl
