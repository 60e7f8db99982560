#pragma once
#include <array>
#include <cstddef>

inline constexpr int windowIconSize = 64;
inline constexpr std::size_t windowIconBytes = std::size_t{windowIconSize} * windowIconSize * 4;

/// The window icon as the program stores it: 64 by 64 RGBA pixels (straight alpha), column by
/// column, each column top to bottom, the columns from left to right.
extern const unsigned char windowIconColumns[];
extern const std::size_t windowIconColumnsSize;

/// The same pixels row by row from the top-left corner, as glfwSetWindowIcon takes them.
std::array<unsigned char, windowIconBytes> windowIconRows(const unsigned char *columns);
