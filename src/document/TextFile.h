#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/Files.h"

namespace ruvo {

// A text file as the program reads it: bytes in one of the encodings that
// Japanese text files come in, lines ended by CR LF, LF or CR as the
// clipboard's are.

enum class Encoding { Utf8, Utf16LittleEndian, Utf16BigEndian, ShiftJis };

struct DecodedText {
    std::u16string text;
    Encoding encoding = Encoding::Utf8;
};

// The text of a file's bytes, without its byte-order mark. The mark decides
// the encoding; without one, bytes that are valid UTF-8 are UTF-8, the rest
// Shift_JIS. What stands for no character becomes U+FFFD: each invalid
// piece of UTF-8, an odd last byte of UTF-16, a Shift_JIS character the
// system cannot map.
DecodedText DecodeText(std::string_view bytes, platform::Files& files);

// Files larger than this are not read.
inline constexpr std::size_t kLargestTextFile = std::size_t{64} << 20;

// A text file read for display: its text, or a message that names the file
// and says why it cannot be shown (it cannot be read, it is too large, or
// it holds NUL characters within its first 8 KB, as no text does).
struct TextFile {
    std::u16string text;
    std::u16string problem;  // empty when the text was read
};
TextFile ReadTextFile(platform::Files& files, const std::u16string& path);

}  // namespace ruvo
