#pragma once

#include <cstdint>

namespace ruvo {

// A move through the text on display: along the columns or down them, by
// steps or pages (forward is positive), to either end, or to where the
// user dragged a scroll bar's thumb.
struct ScrollMove {
    enum class Axis { Columns, Cells };
    enum class Kind { Steps, Pages, Start, End, Thumb };

    Axis axis = Axis::Columns;
    Kind kind = Kind::Steps;
    std::int32_t count = 0;  // steps, pages or the thumb's position
};

// Where a scroll position goes: from `first`, with `page` columns or cells a
// page, to `last` at the farthest.
std::int32_t Moved(std::int32_t first, const ScrollMove& move, std::int32_t page,
                   std::int32_t last);

// A count of columns or cells as a scroll bar holds it.
std::int32_t BarCount(double value);

}  // namespace ruvo
