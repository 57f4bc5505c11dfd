#include "typeset/Characters.h"

namespace ruvo {

namespace {

constexpr char16_t kReplacement = u'\uFFFD';

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}
bool IsSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDFFF;
}

// Units of the code point at `at`: 2 for a well-formed pair, else 1.
std::size_t CodePointLength(std::u16string_view text, std::size_t at) {
    return IsHighSurrogate(text[at]) && at + 1 < text.size() && IsLowSurrogate(text[at + 1]) ? 2
                                                                                             : 1;
}

// Units of the mark at `at`, or 0 when no mark starts there.
std::size_t MarkLength(std::u16string_view text, std::size_t at) {
    const char16_t unit = text[at];
    if ((unit >= 0xFE00 && unit <= 0xFE0F) || unit == 0x3099 || unit == 0x309A) {
        return 1;
    }
    // U+E0100..U+E01EF, the supplementary variation selectors.
    if (unit == 0xDB40 && at + 1 < text.size() && text[at + 1] >= 0xDD00 &&
        text[at + 1] <= 0xDDEF) {
        return 2;
    }
    return 0;
}

}  // namespace

std::size_t LongCharacterLength(std::u16string_view text, std::size_t at) {
    if (IsLineBreak(text[at])) {
        return 1;
    }
    std::size_t end = at + CodePointLength(text, at);
    while (end < text.size()) {
        const std::size_t mark = MarkLength(text, end);
        if (mark == 0) {
            break;
        }
        end += mark;
    }
    return end - at;
}

char32_t CodePointAt(std::u16string_view text, std::size_t at) {
    if (CodePointLength(text, at) == 1) {
        return text[at];
    }
    return 0x10000 + ((char32_t{text[at]} - 0xD800) << 10) + (char32_t{text[at + 1]} - 0xDC00);
}

std::u16string_view Drawable(std::u16string_view character, std::u16string& scratch) {
    if (!IsSurrogate(character.front()) || CodePointLength(character, 0) == 2) {
        return character;
    }
    scratch.assign(1, kReplacement);
    scratch.append(character.substr(1));
    return scratch;
}

}  // namespace ruvo
