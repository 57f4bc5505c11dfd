#pragma once

#include <cstdint>
#include <string>

#include "platform/Surface.h"

namespace ruvo {

// The fonts a text on display is drawn in, all of one face and size: the
// vertical font of the text, the half-size one of ruby and emphasis dots
// (never less than a point), and the upright one of tate-chu-yoko.
struct ViewFonts {
    platform::Font text;
    platform::Font ruby;
    platform::Font upright;
};

// The fonts of a face at a size in points; a size that no font can carry
// is an overflow.
ViewFonts FontsFor(const std::u16string& face, std::int32_t points);

}  // namespace ruvo
