#include "mesh/text_helpers.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace objl {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::size_t firstNonBlank(std::string_view text, std::size_t from) {
    while (from < text.size() && isBlank(text[from])) ++from;
    return from;
}

std::size_t firstBlank(std::string_view text, std::size_t from) {
    while (from < text.size() && !isBlank(text[from])) ++from;
    return from;
}

} // namespace

std::string firstWord(std::string_view line) {
    std::size_t start = firstNonBlank(line, 0);
    return std::string(line.substr(start, firstBlank(line, start) - start));
}

std::string restOfLine(std::string_view line) {
    std::size_t start = firstNonBlank(line, firstBlank(line, firstNonBlank(line, 0)));
    std::size_t end = line.size();
    while (end > start && isBlank(line[end - 1])) --end;
    return std::string(line.substr(start, end - start));
}

std::vector<std::string> splitOn(std::string_view text, char separator) {
    std::vector<std::string> pieces;
    std::string piece;
    for (char c : text) {
        if (c == separator) {
            pieces.push_back(std::move(piece));
            piece.clear();
        } else {
            piece += c;
        }
    }
    if (!piece.empty()) pieces.push_back(std::move(piece));
    return pieces;
}

std::string trimLineBreaks(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && (text[end - 1] == '\r' || text[end - 1] == '\n')) --end;
    return std::string(end == 0 ? text : text.substr(0, end));
}

std::optional<float> readReal(const std::string &text) {
    const char *start = text.c_str();
    char *stop = nullptr;
    errno = 0;
    double value = std::strtod(start, &stop);
    if (stop == start || errno == ERANGE) return std::nullopt;
    // "inf", "nan" and values beyond float's range would reach the vertex data as non-finite numbers.
    auto narrowed = static_cast<float>(value);
    if (!std::isfinite(narrowed)) return std::nullopt;
    return narrowed;
}

std::optional<std::int32_t> readInteger(const std::string &text) {
    const char *start = text.c_str();
    char *stop = nullptr;
    errno = 0;
    long long value = std::strtoll(start, &stop, 10);
    if (stop == start || errno == ERANGE) return std::nullopt;
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

} // namespace objl
