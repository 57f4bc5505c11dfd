#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace ruvo {

// How a text on display is set: its font and the reading options.
struct Typesetting {
    std::u16string face;
    std::int32_t points = 0;
    bool wrapping = true;  // long lines go on in the next column
    bool ruby = true;      // ruby notation is read as ruby
    // Cells a column holds whatever the window's height, with or without
    // wrapping; 0: as many as the window shows.
    std::size_t columnLength = 0;
    bool manuscript = false;  // on sheets of manuscript paper

    bool operator==(const Typesetting&) const = default;
};

}  // namespace ruvo
