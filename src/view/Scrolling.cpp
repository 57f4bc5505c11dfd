#include "view/Scrolling.h"

#include <algorithm>
#include <limits>

namespace ruvo {

std::int32_t BarCount(double value) {
    return static_cast<std::int32_t>(
        std::clamp<double>(value, 0, std::numeric_limits<std::int32_t>::max()));
}

std::int32_t Moved(std::int32_t first, const ScrollMove& move, std::int32_t page,
                   std::int32_t last) {
    using Kind = ScrollMove::Kind;
    const auto by = [first](std::int64_t distance) {
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(
            first + distance, 0, std::numeric_limits<std::int32_t>::max()));
    };
    switch (move.kind) {
        case Kind::Steps:
            return by(move.count);
        case Kind::Pages:
            return by(std::int64_t{move.count} * page);
        case Kind::Start:
            return 0;
        case Kind::End:
            return last;
        case Kind::Thumb:
            // The column bar runs from the right, where the text begins.
            return move.axis == ScrollMove::Axis::Columns ? last - move.count : move.count;
    }
    return first;
}

}  // namespace ruvo
