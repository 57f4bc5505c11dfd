#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ruvo {

// What the typesetter knows of characters, each property defined here and
// only here.
//
// The program works in characters as a reader sees them, not in UTF-16
// units: a surrogate pair is one character, and the marks that modify a
// character (variation selectors, the combining voiced and semi-voiced sound
// marks) stay with it. A mark at the start of the text or right after a line
// break has nothing to belong to and is a character of its own.

inline bool IsLineBreak(char16_t unit) {
    return unit == u'\r' || unit == u'\n';
}

// Whether a mark may start at this unit: a variation selector of the first
// plane, a sound mark, or the high surrogate of U+E0100..U+E01EF.
inline bool MayStartMark(char16_t unit) {
    return (unit >= 0xFE00 && unit <= 0xFE0F) || unit == 0x3099 || unit == 0x309A || unit == 0xDB40;
}

// Units of the mark at `at`, or 0 when no mark starts there.
std::size_t MarkLength(std::u16string_view text, std::size_t at);

// Length of a character that is more than one plain unit.
std::size_t LongCharacterLength(std::u16string_view text, std::size_t at);

// Number of UTF-16 units of the character that starts at `at` (< size).
// Inline for the common case of one unit that no mark follows, since the
// layout calls it for most characters of the text.
inline std::size_t CharacterLength(std::u16string_view text, std::size_t at) {
    const char16_t unit = text[at];
    const char16_t next = at + 1 < text.size() ? text[at + 1] : u'\0';
    const bool mayBeLong = (unit >= 0xD800 && unit <= 0xDFFF) || MayStartMark(next);
    return mayBeLong ? LongCharacterLength(text, at) : 1;
}

// The code point that starts at `at`: a pair's, or the unit itself.
char32_t CodePointAt(std::u16string_view text, std::size_t at);

// The character as it is drawn: a lone surrogate cannot be drawn and is
// replaced by U+FFFD. `scratch` holds the replacement when one is needed.
std::u16string_view Drawable(std::u16string_view character, std::u16string& scratch);

// Ideographs of every block, and the marks that stand in a run of them
// (々 〆 〇 ヶ): what carries ruby without a bar.
bool IsKanji(char32_t c);

// ASCII and the Latin letters up to U+024F but × and ÷: text that is set
// turned, as words.
bool IsHalfWidth(char16_t c);

// What may stand upright in one cell (tate-chu-yoko), one or two together:
// digits, or the exclamation and question marks.
bool IsUprightDigit(char16_t c);
bool IsUprightMark(char16_t c);
// What may not stand beside such a group: it would belong to a word, a
// number or an address.
bool JoinsUpright(char16_t c);

// Where a column may not break (kinsoku), by JIS X 4051's rules: closing
// brackets, commas and full stops, middle dots, colons and semicolons,
// question and exclamation marks, the prolonged sound mark, iteration marks
// and small kana may not start a column, opening brackets not end one, and
// a doubled dash or leader ("――", "……") is one mark.
bool MayNotStartColumn(char32_t c);
bool MayNotEndColumn(char32_t c);
bool Inseparable(char32_t before, char32_t after);

// On manuscript paper a full stop or comma that would start a column hangs
// below the previous one (ぶら下げ), and so does a closing bracket right
// after it.
bool MayHang(char32_t c);
bool IsClosingBracket(char32_t c);

}  // namespace ruvo
