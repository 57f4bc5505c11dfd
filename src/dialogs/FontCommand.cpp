#include "dialogs/FontCommand.h"

#include <algorithm>
#include <array>
#include <exception>
#include <iterator>

#include "platform/Convert.h"

namespace ruvo {

namespace {

constexpr std::array<std::int32_t, 16> kSizeSteps{8,  9,  10, 11, 12, 14, 16, 18,
                                                  20, 22, 24, 26, 28, 36, 48, 72};

// The chooser lists vertical faces under their "@" names; the stored face
// never carries it, since the view's vertical font is the face set turned.
std::u16string WithoutVerticalPrefix(std::u16string face) {
    if (!face.empty() && face.front() == u'@') {
        face.erase(0, 1);
    }
    return face;
}

}  // namespace

std::optional<ChosenFont> ChooseFont(platform::CommonDialog& dialogs, const ChosenFont& current) {
    try {
        const std::optional<platform::FontChoice> choice =
            dialogs.ChooseFont({current.face, static_cast<float>(current.points)});
        if (!choice) {
            return std::nullopt;
        }
        return ChosenFont{WithoutVerticalPrefix(choice->face), ToInt32(choice->points)};
    } catch (const std::exception&) {
        return std::nullopt;  // a chooser that fails is as good as cancelled
    }
}

std::int32_t SteppedSize(std::int32_t points, std::int32_t steps) {
    for (; steps > 0; --steps) {
        const auto larger = std::ranges::upper_bound(kSizeSteps, points);
        if (larger == kSizeSteps.end()) {
            break;
        }
        points = *larger;
    }
    for (; steps < 0; ++steps) {
        const auto smaller = std::ranges::lower_bound(kSizeSteps, points);
        if (smaller == kSizeSteps.begin()) {
            break;
        }
        points = *std::prev(smaller);
    }
    return points;
}

}  // namespace ruvo
