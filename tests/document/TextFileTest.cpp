#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "document/TextFile.h"
#include "doubles/Doubles.h"

namespace ruvo::test {
namespace {

using namespace std::string_literals;

// A byte-order mark decides; without one valid UTF-8 is UTF-8 and the rest
// Shift_JIS (two-byte characters, half-width katakana). Each invalid piece
// of UTF-8 is one U+FFFD, as is an odd byte of UTF-16, and a Shift_JIS
// character that has none or a lead byte without its second byte.
TEST(TextFileTest, TheEncodingDecidesTheText) {
    const std::tuple<std::string, Encoding, std::u16string> cases[] = {
        {"\xEF\xBB\xBF"
         "a\xE3\x81\x82\r\n",
         Encoding::Utf8, u"aあ\r\n"},
        {"a\xE3\x81\x82\xF0\x9F\x98\x80\xEF\xBD\xB1", Encoding::Utf8, u"aあ\U0001F600ｱ"},
        {"\xEF\xBB\xBF\xE3\x81\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80\xE3", Encoding::Utf8,
         std::u16string(11, u'\uFFFD')},
        {"\xFF\xFE"
         "a\0\x42\x30"s,
         Encoding::Utf16LittleEndian, u"aあ"},
        {"\xFE\xFF\x30\x42\xD8"s, Encoding::Utf16BigEndian, u"あ\uFFFD"},
        {"\x88\xEA\xB1\xDF\r\x8D\x73\xE3\x81", Encoding::ShiftJis, u"一ｱﾟ\r行\u7E3A"},
        {"\x82\xA0\x85\x40\x82\n\x82\xA2", Encoding::ShiftJis, u"あ\uFFFD\uFFFD\nい"},
    };
    FakeFiles files;
    for (const auto& [bytes, encoding, text] : cases) {
        const DecodedText decoded = DecodeText(bytes, files);
        EXPECT_EQ(std::tuple(decoded.encoding, Utf8(decoded.text)),
                  std::tuple(encoding, Utf8(text)))
            << Utf8(text);
    }
}

// A file that cannot be shown is named with the reason: one with a NUL
// within its first 8 KB (a NUL unit in UTF-16), as no text has, one that
// is not there; one is read only up to 64 MB.
TEST(TextFileTest, AFileThatCannotBeShownIsNamedWithTheReason) {
    const std::string noText =
        "テキストファイルではありません（先頭の 8 KB に NUL 文字があります）。";
    const std::tuple<std::string, std::string> cases[] = {
        {std::string(8191, 'a') + '\0', noText},
        {std::string(8192, 'a') + '\0', ""},
        {"\xFF\xFE\x61\0\0\x61"s, ""},
        {"\xFF\xFE\x61\0\0\0"s, noText},
    };
    FakeFiles files;
    for (const auto& [bytes, reason] : cases) {
        files.files = {{u"C:\\文.txt", bytes}};
        const TextFile file = ReadTextFile(files, u"C:\\文.txt");
        EXPECT_EQ(Utf8(file.problem),
                  reason.empty() ? "" : "「C:\\文.txt」を開けません。\n\n" + reason);
        EXPECT_EQ(file.text.empty(), !reason.empty());
    }
    EXPECT_EQ(Utf8(ReadTextFile(files, u"C:\\無.txt").problem),
              "「C:\\無.txt」を開けません。\n\nファイルが見つかりません。");
    EXPECT_EQ(files.calls.back(), Call("ReadUpTo", std::u16string(u"C:\\無.txt"), 64 << 20));
}

}  // namespace
}  // namespace ruvo::test
