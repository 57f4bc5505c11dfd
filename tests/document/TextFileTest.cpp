#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "document/TextFile.h"
#include "doubles/Doubles.h"

namespace ruvo::test {
namespace {

using namespace std::string_literals;

// A byte-order mark decides the encoding; without one valid UTF-8 is UTF-8
// and the rest Shift_JIS (two-byte characters, half-width katakana). Each
// invalid piece of UTF-8 is one U+FFFD, as is an odd byte of UTF-16, and a
// Shift_JIS character that has none or a lead byte without its second byte.
// A file with a NUL within its first 8 KB (a NUL unit in UTF-16) holds no
// text; it and a file that is not there are named with the reason.
TEST(TextFileTest, AFileShowsItsTextOrWhyNot) {
    const std::u16string noText =
        u"「C:\\文.txt」を開けません。\n\nテキストファイルではありません（先頭の 8 KB に NUL "
        u"文字があります）。";
    const std::pair<std::string, std::u16string> cases[] = {
        {"\xEF\xBB\xBFz\xE3\x81\x82\r\n", u"zあ\r\n"},
        {"a\xE3\x81\x82\xF0\x9F\x98\x80\xEF\xBD\xB1", u"aあ\U0001F600ｱ"},
        {"\xEF\xBB\xBF\xE3\x81\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80\xE3",
         std::u16string(11, u'\uFFFD')},
        {"\xFF\xFEz\0\x42\x30\0\x61"s, u"zあ\u6100"},
        {"\xFE\xFF\x30\x42\xD8"s, u"あ\uFFFD"},
        {"\x88\xEA\xB1\xDF\r\x8D\x73\xE3\x81", u"一ｱﾟ\r行\u7E3A"},
        {"\x82\xA0\x85\x40\x82\n\x82\xA2", u"あ\uFFFD\uFFFD\nい"},
        {std::string(8191, 'a') + '\0', noText},
        {std::string(8192, 'a') + '\0', std::u16string(8192, u'a') + u'\0'},
        {"\xFF\xFE\x61\0\0\0"s, noText},
    };
    FakeFiles files;
    for (const auto& [bytes, shown] : cases) {
        files.files = {{u"C:\\文.txt", bytes}};
        const TextFile file = ReadTextFile(files, u"C:\\文.txt");
        EXPECT_EQ(Utf8(file.text + file.problem), Utf8(shown));
    }
    EXPECT_EQ(Utf8(ReadTextFile(files, u"C:\\無.txt").problem),
              "「C:\\無.txt」を開けません。\n\nファイルが見つかりません。");
    EXPECT_EQ(files.calls.back(), Call("ReadUpTo", std::u16string(u"C:\\無.txt"), 64 << 20));
}

}  // namespace
}  // namespace ruvo::test
