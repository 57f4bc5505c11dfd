#include <gtest/gtest.h>

#include "doubles/FakeFiles.h"

namespace ruvo::test {
namespace {

// The settings tests lean on the double's code page: it must be 932.
TEST(FakeFilesTest, AnsiIsCodePage932) {
    FakeFiles files;
    const std::string bytes = files.ToAnsi(u"ＭＳ 明朝");
    EXPECT_EQ(bytes, "\x82\x6C\x82\x72\x20\x96\xBE\x92\xA9");
    EXPECT_EQ(files.FromAnsi(bytes), u"ＭＳ 明朝");
}

}  // namespace
}  // namespace ruvo::test
