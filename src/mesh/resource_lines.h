#pragma once
// The OBJ and MTL texts are read straight from the executable's resource bytes, line by line,
// without copying the whole text first.
#include <string_view>

namespace objl {

/// The whole of TEXTFILE resource id (only its low 16 bits count), by the size the resource
/// records; empty when the executable has no such resource.
std::string_view textResource(int id);

/// Lines split at line feeds only; the line feed is dropped, carriage returns stay. A last line
/// without a line feed is still a line; nothing follows a final line feed.
class LineReader {
public:
    explicit LineReader(std::string_view text) : rest(text) {}

    /// The next line, or false when the text is used up.
    bool next(std::string_view &line);

private:
    std::string_view rest;
};

} // namespace objl
