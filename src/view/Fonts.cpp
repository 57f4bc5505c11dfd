#include "view/Fonts.h"

#include <algorithm>

#include "platform/Convert.h"

namespace ruvo {

namespace {

constexpr std::int32_t kTwipsPerPoint = 20;

platform::Font Vertical(const std::u16string& face, std::int32_t points) {
    return {face, static_cast<double>(MultiplyInt32(points, kTwipsPerPoint)), true};
}

}  // namespace

ViewFonts FontsFor(const std::u16string& face, std::int32_t points) {
    ViewFonts fonts{Vertical(face, points), Vertical(face, std::max(points / 2, 1)), {}};
    fonts.upright = fonts.text;
    fonts.upright.vertical = false;
    return fonts;
}

}  // namespace ruvo
