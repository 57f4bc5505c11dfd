#include "platform/win32/Twips.h"

#include "platform/Convert.h"

namespace ruvo::win32 {

namespace {

constexpr float kTwipsPerInch = 1440.0F;
constexpr int kDefaultPixelsPerInch = 96;

}  // namespace

float TwipsPerPixel(int pixelsPerInch) {
    // A device that reports no resolution is taken as the standard screen.
    const int resolution = pixelsPerInch > 0 ? pixelsPerInch : kDefaultPixelsPerInch;
    return kTwipsPerInch / static_cast<float>(resolution);
}

std::int32_t TwipsToPixels(float twips, float twipsPerPixel) {
    return ToInt32(static_cast<double>(twips) / static_cast<double>(twipsPerPixel));
}

float PixelsToTwips(std::int32_t pixels, float twipsPerPixel) {
    return static_cast<float>(pixels) * twipsPerPixel;
}

}  // namespace ruvo::win32
