#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/CommonDialog.h"

namespace ruvo {

// A font as the program keeps it: a face without the vertical "@", and a
// size in whole points.
struct ChosenFont {
    std::u16string face;
    std::int32_t points = 0;

    bool operator==(const ChosenFont&) const = default;
};

// The font the user confirms in the chooser, which opens at `current`: one
// leading "@" taken off the face, the size rounded to whole points, halves
// to even. Nothing after a cancel, or when the chooser fails.
std::optional<ChosenFont> ChooseFont(platform::CommonDialog& dialogs, const ChosenFont& current);

// So many steps along the sizes font choosers list (8 to 72 points), larger
// for positive ones; a size between two steps goes to the neighbour, and
// past either end it stays.
std::int32_t SteppedSize(std::int32_t points, std::int32_t steps);
// The size Ctrl+0 goes back to.
inline constexpr std::int32_t kStandardSize = 12;

}  // namespace ruvo
