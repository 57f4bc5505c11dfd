#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ruvo {

// The program works in characters as a reader sees them, not in UTF-16
// units: a surrogate pair is one character, and the marks that modify a
// character (variation selectors, the combining voiced and semi-voiced sound
// marks) stay with it. A mark at the start of the text or right after a line
// break has nothing to belong to and is a character of its own.

inline bool IsLineBreak(char16_t unit) {
    return unit == u'\r' || unit == u'\n';
}

// Length of a character that is more than one plain unit.
std::size_t LongCharacterLength(std::u16string_view text, std::size_t at);

// Number of UTF-16 units of the character that starts at `at` (< size).
// Inline for the common case of one unit that no mark follows, since the
// counting pass calls it for every character of the text.
inline std::size_t CharacterLength(std::u16string_view text, std::size_t at) {
    const char16_t unit = text[at];
    const char16_t next = at + 1 < text.size() ? text[at + 1] : u'\0';
    const bool mayBeLong = (unit >= 0xD800 && unit <= 0xDFFF) ||
                           (next >= 0xFE00 && next <= 0xFE0F) || next == 0x3099 || next == 0x309A ||
                           next == 0xDB40;
    return mayBeLong ? LongCharacterLength(text, at) : 1;
}

// The code point that starts at `at`: a pair's, or the unit itself.
char32_t CodePointAt(std::u16string_view text, std::size_t at);

// The character as it is drawn: a lone surrogate cannot be drawn and is
// replaced by U+FFFD. `scratch` holds the replacement when one is needed.
std::u16string_view Drawable(std::u16string_view character, std::u16string& scratch);

}  // namespace ruvo
