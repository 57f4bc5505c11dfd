#include "typeset/Characters.h"

#include <algorithm>

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

// In code point order, for a binary search; the half-width forms are there
// because text copied from older programs carries them.
constexpr std::u32string_view kNoStart =
    U"!),.:;?]}»’”‼⁇⁈⁉、。々〉》」』】〕〗〙〟〻ぁぃぅぇぉっゃゅょゎゕゖゝゞ"
    U"ァィゥェォッャュョヮヵヶ・ーヽヾ！），．：；？］｝｠｡｣､･ｧｨｩｪｫｬｭｮｯｰ";
constexpr std::u32string_view kNoEnd = U"([{«‘“〈《「『【〔〖〘〝（［｛｟｢";
static_assert(std::ranges::is_sorted(kNoStart) && std::ranges::is_sorted(kNoEnd));

// Small katakana for the Ainu language.
constexpr char32_t kSmallKatakanaFirst = 0x31F0;
constexpr char32_t kSmallKatakanaLast = 0x31FF;

constexpr std::u32string_view kDoubled = U"—―‥…";

constexpr std::u32string_view kHanging = U"、。，．";
// In code point order, as kNoStart.
constexpr std::u32string_view kClosingBrackets = U")]}»’”〉》」』】〕〗〙〟）］｝｠｣";
static_assert(std::ranges::is_sorted(kClosingBrackets));

}  // namespace

std::size_t MarkLength(std::u16string_view text, std::size_t at) {
    const char16_t unit = text[at];
    if (!MayStartMark(unit)) {
        return 0;
    }
    if (!IsHighSurrogate(unit)) {
        return 1;
    }
    // U+E0100..U+E01EF, the supplementary variation selectors.
    return at + 1 < text.size() && text[at + 1] >= 0xDD00 && text[at + 1] <= 0xDDEF ? 2 : 0;
}

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

bool IsKanji(char32_t c) {
    return (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0x20000 && c <= 0x323AF) || c == U'々' ||
           c == U'〆' || c == U'〇' || c == U'ヶ';
}

bool IsHalfWidth(char16_t c) {
    return (c >= 0x20 && c <= 0x7E) || (c >= 0xC0 && c <= 0x24F && c != u'×' && c != u'÷');
}

bool IsUprightDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool IsUprightMark(char16_t c) {
    return c == u'!' || c == u'?';
}

bool JoinsUpright(char16_t c) {
    return IsUprightDigit(c) || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'.' ||
           c == u',' || c == u':' || c == u'/';
}

bool MayNotStartColumn(char32_t c) {
    return std::ranges::binary_search(kNoStart, c) ||
           (c >= kSmallKatakanaFirst && c <= kSmallKatakanaLast);
}

bool MayNotEndColumn(char32_t c) {
    return std::ranges::binary_search(kNoEnd, c);
}

bool Inseparable(char32_t before, char32_t after) {
    return before == after && kDoubled.find(before) != std::u32string_view::npos;
}

bool MayHang(char32_t c) {
    return kHanging.find(c) != std::u32string_view::npos;
}

bool IsClosingBracket(char32_t c) {
    return std::ranges::binary_search(kClosingBrackets, c);
}

}  // namespace ruvo
