#include "document/TextFile.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace ruvo {

namespace {

using platform::ReadProblem;

constexpr char16_t kReplacement = u'\uFFFD';
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kLittleEndianMark = "\xFF\xFE";
constexpr std::string_view kBigEndianMark = "\xFE\xFF";
// Where a NUL says that a file holds no text.
constexpr std::size_t kLookedAt = 8192;

unsigned Byte(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]);
}

void AppendCodePoint(std::u16string& text, char32_t c) {
    if (c < 0x10000) {
        text += static_cast<char16_t>(c);
    } else {
        text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
        text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    }
}

// UTF-8 from `at`, or, with `strict`, nothing at its first invalid piece;
// otherwise each invalid piece (a lead byte and the continuations that fit
// it so far, or a stray byte) becomes one U+FFFD.
std::optional<std::u16string> FromUtf8(std::string_view bytes, std::size_t at, bool strict) {
    // As many units as there are lead bytes, two for those of four bytes:
    // a large file's text takes no more room than it needs.
    std::size_t units = 0;
    for (std::size_t p = at; p < bytes.size(); ++p) {
        const unsigned byte = Byte(bytes, p);
        units += (byte & 0xC0U) == 0x80 ? 0 : byte >= 0xF0 ? 2 : 1;
    }
    std::u16string text;
    text.reserve(units);
    while (at < bytes.size()) {
        const unsigned lead = Byte(bytes, at);
        if (lead < 0x80) {
            text += static_cast<char16_t>(lead);
            ++at;
            continue;
        }
        // The continuations a lead byte takes, and the range of the first
        // one, which rules out overlong forms, surrogates and beyond U+10FFFF.
        const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 1
                                   : lead >= 0xE0 && lead <= 0xEF ? 2
                                   : lead >= 0xF0 && lead <= 0xF4 ? 3
                                                                  : 0;
        const unsigned low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
        const unsigned high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
        char32_t c = lead & (0x3FU >> length);
        std::size_t read = 1;
        for (; read <= length && at + read < bytes.size(); ++read) {
            const unsigned next = Byte(bytes, at + read);
            if (next < (read == 1 ? low : 0x80) || next > (read == 1 ? high : 0xBF)) {
                break;
            }
            c = (c << 6) | (next & 0x3F);
        }
        if (length == 0 || read <= length) {
            if (strict) {
                return std::nullopt;
            }
            text += kReplacement;
        } else {
            AppendCodePoint(text, c);
        }
        at += read;
    }
    return text;
}

std::u16string FromUtf16(std::string_view bytes, bool bigEndian) {
    std::u16string text;
    text.reserve(bytes.size() / 2);
    const std::size_t high = bigEndian ? 0 : 1;
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
        text += static_cast<char16_t>(Byte(bytes, at + high) << 8 | Byte(bytes, at + 1 - high));
    }
    if (bytes.size() % 2 != 0) {
        text += kReplacement;
    }
    return text;
}

// Bytes of the Shift_JIS character at `at`: a lead byte with the trail byte
// it takes is two, anything else one.
std::size_t ShiftJisLength(std::string_view bytes, std::size_t at) {
    const unsigned lead = Byte(bytes, at);
    if (at + 1 == bytes.size() || !((lead >= 0x81 && lead <= 0x9F) || lead >= 0xE0)) {
        return 1;
    }
    const unsigned trail = Byte(bytes, at + 1);
    return (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFC) ? 2 : 1;
}

// The system converts Shift_JIS whole or not at all; where it refuses, the
// lines are converted one by one, and those it refuses a character at a
// time, so that only what it cannot map becomes U+FFFD.
std::u16string FromShiftJis(std::string_view bytes, platform::Files& files) {
    if (std::optional<std::u16string> whole = files.FromShiftJis(bytes)) {
        return std::move(*whole);
    }
    std::u16string text;
    for (std::size_t line = 0; line < bytes.size();) {
        // A LF is never the second byte of a character.
        const std::size_t end = std::min(bytes.find('\n', line), bytes.size() - 1) + 1;
        if (const std::optional<std::u16string> converted =
                files.FromShiftJis(bytes.substr(line, end - line))) {
            text += *converted;
        } else {
            for (std::size_t at = line; at < end;) {
                const std::size_t length = ShiftJisLength(bytes.substr(0, end), at);
                const std::optional<std::u16string> character =
                    files.FromShiftJis(bytes.substr(at, length));
                text += character ? *character : std::u16string(1, kReplacement);
                at += length;
            }
        }
        line = end;
    }
    return text;
}

bool HoldsNul(std::string_view bytes) {
    const bool utf16 = bytes.starts_with(kLittleEndianMark) || bytes.starts_with(kBigEndianMark);
    const std::string_view head = bytes.substr(0, kLookedAt);
    if (!utf16) {
        return head.find('\0') != std::string_view::npos;
    }
    for (std::size_t at = 2; at + 1 < head.size(); at += 2) {
        if (head[at] == '\0' && head[at + 1] == '\0') {
            return true;
        }
    }
    return false;
}

std::u16string Reason(ReadProblem problem) {
    switch (problem) {
        case ReadProblem::NotFound:
            return u"ファイルが見つかりません。";
        case ReadProblem::Folder:
            return u"フォルダーです。テキストファイルを選んでください。";
        case ReadProblem::InUse:
            return u"ほかのプログラムが使用中です。";
        case ReadProblem::Denied:
            return u"読み取る権限がありません。";
        case ReadProblem::TooLarge:
            return u"64 MB より大きいファイルは開けません。";
        case ReadProblem::Failed:
        case ReadProblem::None:
            break;
    }
    return u"読み取りに失敗しました。";
}

std::u16string Problem(const std::u16string& path, const std::u16string& reason) {
    return u"「" + path + u"」を開けません。\n\n" + reason;
}

}  // namespace

DecodedText DecodeText(std::string_view bytes, platform::Files& files) {
    if (bytes.starts_with(kUtf8Mark)) {
        return {*FromUtf8(bytes, kUtf8Mark.size(), false), Encoding::Utf8};
    }
    if (bytes.starts_with(kLittleEndianMark)) {
        return {FromUtf16(bytes.substr(2), false), Encoding::Utf16LittleEndian};
    }
    if (bytes.starts_with(kBigEndianMark)) {
        return {FromUtf16(bytes.substr(2), true), Encoding::Utf16BigEndian};
    }
    if (std::optional<std::u16string> utf8 = FromUtf8(bytes, 0, true)) {
        return {std::move(*utf8), Encoding::Utf8};
    }
    return {FromShiftJis(bytes, files), Encoding::ShiftJis};
}

TextFile ReadTextFile(platform::Files& files, const std::u16string& path) {
    const platform::FileBytes file = files.ReadUpTo(path, kLargestTextFile);
    if (file.problem != ReadProblem::None) {
        return {{}, Problem(path, Reason(file.problem))};
    }
    if (HoldsNul(file.bytes)) {
        return {{},
                Problem(path,
                        u"テキストファイルではありません（先頭の 8 KB に NUL 文字があります）。")};
    }
    return {DecodeText(file.bytes, files).text, {}};
}

}  // namespace ruvo
