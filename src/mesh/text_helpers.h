#pragma once
// Line helpers shared by the OBJ and MTL readers. A blank is a space or a horizontal tab; carriage
// returns and line feeds are not blanks, so they stay part of words and of the rest of a line.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace objl {

/// The first blank-delimited word; empty for an empty or all-blank line.
std::string firstWord(std::string_view line);
/// Everything after the first word and the blanks that follow it, up to the last non-blank.
std::string restOfLine(std::string_view line);
/// Pieces between separators. A separator always ends a piece, so one at the start or right after
/// another gives an empty piece; a trailing separator does not. "1//3" gives 1, "", 3.
std::vector<std::string> splitOn(std::string_view text, char separator);
/// text without the carriage returns and line feeds at its end; a text of nothing else stays.
std::string trimLineBreaks(std::string_view text);

/// A real number at the start of text (after white space, as strtod reads it, the rest ignored),
/// narrowed to float. None when text holds no number there, or one that is not finite as a float.
std::optional<float> readReal(const std::string &text);
/// A decimal integer at the start of text, as strtol reads it. None when there is none or it does
/// not fit 32 bits.
std::optional<std::int32_t> readInteger(const std::string &text);

/// The element an OBJ index names: 1 is the first, -1 the last. None for 0, an index outside the
/// list, or text that is no integer.
template <typename T>
std::optional<T> elementAt(const std::vector<T> &elements, const std::string &indexText) {
    std::optional<std::int32_t> index = readInteger(indexText);
    if (!index || *index == 0) return std::nullopt;
    auto size = static_cast<std::int64_t>(elements.size());
    std::int64_t position = *index < 0 ? size + *index : std::int64_t{*index} - 1;
    if (position < 0 || position >= size) return std::nullopt;
    return elements[static_cast<std::size_t>(position)];
}

} // namespace objl
