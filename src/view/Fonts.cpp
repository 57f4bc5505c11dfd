#include "view/Fonts.h"

#include <algorithm>

#include "platform/Convert.h"
#include "platform/Error.h"

namespace ruvo {

namespace {

constexpr std::int32_t kTwipsPerPoint = 20;
constexpr std::int32_t kQuarterTurnClockwise = 2700;  // tenths of a degree
constexpr std::uint32_t kDefaultCharSet = 1;

}  // namespace

platform::FontRequest VerticalFontRequest(const std::u16string& faceName, std::int32_t points,
                                          float twipsPerPixel) {
    const std::int32_t twips = MultiplyInt32(points, kTwipsPerPoint);
    platform::FontRequest request;
    // Negative: a character height in pixels rather than a cell height.
    request.height = ToInt32(-Divide(twips, twipsPerPixel));
    request.escapement = kQuarterTurnClockwise;
    request.orientation = kQuarterTurnClockwise;
    request.charSet = kDefaultCharSet;
    request.faceName = u"@" + faceName;
    return request;
}

bool CanMakeVerticalFont(platform::Window& window, const std::u16string& faceName,
                         std::int32_t points) {
    platform::FontRequest request;
    try {
        request = VerticalFontRequest(faceName, points, window.TwipsPerPixelX());
    } catch (const RuntimeError&) {
        return false;  // a size no font request can carry
    }
    const platform::Handle font = window.CreateFont(request);
    if (font == 0) {
        return false;
    }
    window.DeleteObject(font);
    return true;
}

ViewFonts::ViewFonts(platform::Window& window, std::u16string faceName, std::int32_t points)
    : window_(window),
      deviceContext_(window.DeviceContext()),
      faceName_(std::move(faceName)),
      points_(points) {}

ViewFonts::~ViewFonts() {
    try {
        if (displaced_) {
            window_.SelectObject(deviceContext_, *displaced_);
        }
        for (const auto& font : made_) {
            window_.DeleteObject(font.second);
        }
    } catch (...) {
        // The error that ended the rendering is the one to report.
    }
}

void ViewFonts::Use(Kind kind, std::int32_t width) {
    const std::pair key{kind, width};
    auto found = std::ranges::find(made_, key, &decltype(made_)::value_type::first);
    if (found == made_.end()) {
        const float twipsPerPixel = window_.TwipsPerPixelX();
        // Ruby is half the size, but never less than a point.
        platform::FontRequest request = VerticalFontRequest(
            faceName_, kind == Kind::Ruby ? std::max(points_ / 2, 1) : points_, twipsPerPixel);
        if (kind == Kind::Upright) {
            request.escapement = request.orientation = 0;
            request.width = width;
            request.faceName = faceName_;
        }
        made_.emplace_back(key, window_.CreateFont(request));
        found = made_.end() - 1;
    }
    if (selected_ == found->second) {
        return;
    }
    const platform::Handle previous = window_.SelectObject(deviceContext_, found->second);
    selected_ = found->second;
    if (!displaced_) {
        displaced_ = previous;
    }
}

std::int32_t ViewFonts::Em() const {
    return -VerticalFontRequest(faceName_, points_, window_.TwipsPerPixelX()).height;
}

void ViewFonts::Release() {
    selected_.reset();
    if (displaced_) {
        window_.SelectObject(deviceContext_, *std::exchange(displaced_, std::nullopt));
    }
    while (!made_.empty()) {
        const platform::Handle font = made_.front().second;
        made_.erase(made_.begin());
        window_.DeleteObject(font);
    }
}

}  // namespace ruvo
