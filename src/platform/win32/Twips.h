#pragma once

#include <cstdint>

namespace ruvo::win32 {

// Twips per screen pixel for a device resolution in pixels per inch.
float TwipsPerPixel(int pixelsPerInch);
// Pixels for a length in twips, to the nearest pixel, halves to even;
// a length no 32-bit pixel count can hold is an overflow.
std::int32_t TwipsToPixels(float twips, float twipsPerPixel);
float PixelsToTwips(std::int32_t pixels, float twipsPerPixel);

}  // namespace ruvo::win32
