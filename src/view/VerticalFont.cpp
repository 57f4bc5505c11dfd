#include "view/VerticalFont.h"

#include "platform/Convert.h"

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

VerticalFontSelection::VerticalFontSelection(platform::Window& window,
                                             platform::Handle deviceContext)
    : window_(window), deviceContext_(deviceContext) {}

VerticalFontSelection::~VerticalFontSelection() {
    if (!font_) {
        return;
    }
    try {
        if (displaced_) {
            window_.SelectObject(deviceContext_, *displaced_);
        }
        window_.DeleteObject(*font_);
    } catch (...) {
        // The error that ended the rendering is the one to report.
    }
}

void VerticalFontSelection::Select(const platform::FontRequest& request) {
    font_ = window_.CreateFont(request);
    displaced_ = window_.SelectObject(deviceContext_, *font_);
}

void VerticalFontSelection::Release() {
    const platform::Handle vertical = window_.SelectObject(deviceContext_, *displaced_);
    font_.reset();
    window_.DeleteObject(vertical);
}

}  // namespace ruvo
