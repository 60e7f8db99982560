#pragma once
#include <cstddef>
#include <cstdint>

/// Text capacity of the buffers that shader sources are read into; the buffers themselves are
/// four bytes longer for the terminating zeros.
inline constexpr std::size_t textResourceCapacity = 16384;
inline constexpr std::size_t textResourceBufferSize = textResourceCapacity + 4;

/// Copies the text of "TEXTFILE" resource id into destination and follows it with four zero bytes.
/// The text ends before the first tilde, at the resource's size, or after capacity bytes, whichever
/// comes first; a missing resource reads as empty text. destination must hold capacity + 4 bytes,
/// and nothing beyond them is ever written.
void readTextResource(std::uint16_t id, char *destination, std::size_t capacity);
