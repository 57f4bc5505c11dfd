#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ruvo {

// The view works in characters as a reader sees them, not in UTF-16 units: a
// surrogate pair is one character, and the marks that modify a character
// (variation selectors, the combining voiced and semi-voiced sound marks)
// stay with it. A mark at the start of the text or right after a line break
// has nothing to belong to and is a character of its own.

inline bool IsLineBreak(char16_t unit) {
    return unit == u'\r' || unit == u'\n';
}

// Number of UTF-16 units of the character that starts at `at` (< size).
std::size_t CharacterLength(std::u16string_view text, std::size_t at);

// The character as it is drawn: a lone surrogate cannot be drawn and is
// replaced by U+FFFD. `scratch` holds the replacement when one is needed.
std::u16string_view Drawable(std::u16string_view character, std::u16string& scratch);

}  // namespace ruvo
