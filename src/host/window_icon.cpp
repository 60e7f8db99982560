#include "host/window_icon.h"

#include <cstring>

std::array<unsigned char, windowIconBytes> windowIconRows(const unsigned char *columns) {
    std::array<unsigned char, windowIconBytes> rows{};
    for (int row = 0; row < windowIconSize; ++row)
        for (int column = 0; column < windowIconSize; ++column)
            std::memcpy(&rows[static_cast<std::size_t>(row * windowIconSize + column) * 4],
                        &columns[static_cast<std::size_t>(column * windowIconSize + row) * 4], 4);
    return rows;
}
