#include "typeset/Kinsoku.h"

#include <algorithm>
#include <string_view>

namespace ruvo {

namespace {

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

}  // namespace

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

}  // namespace ruvo
