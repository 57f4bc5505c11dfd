#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

#include "view/ViewFixture.h"

namespace ruvo::test {
namespace {

// Fixed mode, 1350 twips wide: a client area 1230 wide, so the first
// column's right edge lies at 1230 - 195 / 4 = 1181.25.
class DrawingTest : public ViewFixture {
  protected:
    DrawingTest() { form.FrameMode = 0.0F; }
};

// A cell is one CharW down at every size; columns are 1.5 CharW apart however
// their lines end; line breaks draw nothing. A character is one output with
// its marks; a lone surrogate shows as U+FFFD.
TEST_F(DrawingTest, OneCellPerCharacterOneColumnPerLine) {
    struct Case {
        std::u16string text;
        float charWidth, charHeight;
        const char* drawn;
    };
    const char* twoLines = "a@1181.25,195 b@1181.25,390 c@888.75,195 d@888.75,390";
    const std::u16string loneHigh(1, char16_t{0xD842});
    const std::u16string loneLow(1, char16_t{0xDFB7});
    const Case cases[] = {
        {u"ab\r\ncd", 195, 195, twoLines},
        {u"ab\ncd", 195, 195, twoLines},
        {u"ab\rcd\r\n", 195, 195, twoLines},
        {u"a\r\n\nb", 195, 195, "a@1181.25,195 b@596.25,195"},
        {u"abc", 160, 170, "a@1190,170 b@1190,330 c@1190,490"},   // 8 points
        {u"abc", 240, 255, "a@1170,255 b@1170,495 c@1170,735"},   // 12 points
        {u"abc", 480, 500, "a@1110,500 b@1110,980 c@1110,1460"},  // 24 points
        {u"\U00010000\U0001F600", 195, 195, "\U00010000@1181.25,195 \U0001F600@1181.25,390"},
        {u"\u845B\U000E0100\u845B\U00020100", 195, 195,
         "\u845B\U000E0100@1181.25,195 \u845B@1181.25,390 \U00020100@1181.25,585"},
        {u"\u2665\uFE00\u2665\uFE0F", 195, 195,
         "\u2665\uFE00@1181.25,195 \u2665\uFE0F@1181.25,390"},
        {u"\u304B\u3099\u306F\u309A", 195, 195,
         "\u304B\u3099@1181.25,195 \u306F\u309A@1181.25,390"},
        {u"\U0001F600\uFE0F\u3099x", 195, 195, "\U0001F600\uFE0F\u3099@1181.25,195 x@1181.25,390"},
        {u"a" + loneHigh + u"b", 195, 195, "a@1181.25,195 \uFFFD@1181.25,390 b@1181.25,585"},
        {loneLow + u"\u3099" + loneHigh, 195, 195, "\uFFFD\u3099@1181.25,195 \uFFFD@1181.25,390"},
        // A mark with nothing before it to belong to stands alone.
        {u"\u3099\u3042", 195, 195, "\u3099@1181.25,195 \u3042@1181.25,390"},
        {u"a\n\uFE0Fb", 195, 195, "a@1181.25,195 \uFE0F@888.75,195 b@888.75,390"},
    };
    for (const Case& c : cases) {
        window.charWidth = c.charWidth;
        window.charHeight = c.charHeight;

        Show(c.text);

        EXPECT_EQ(Drawn(), c.drawn) << Utf8(c.text) << " at " << c.charWidth;
    }
}

// Only cells that reach into the client area are drawn, each where it
// belongs; the rest is cut at the left and bottom edges. With both scroll
// bars shown the client area is 975 × 7455: columns 0..3 (x down to 48.75)
// and rows 0..37 (y up to 7410).
TEST_F(DrawingTest, LongTextDrawsExactlyTheCellsInTheClientArea) {
    const auto length = [](std::size_t line) { return line % 3 == 0 ? 400 : line % 7; };
    const auto named = [](std::size_t line, std::size_t row) {
        return static_cast<char16_t>(0x4E00 + (line * 31 + row) % 2000);
    };
    std::u16string text;
    for (std::size_t line = 0; line < 3000; ++line) {
        for (std::size_t row = 0; row < length(line); ++row) {
            text += named(line, row);
        }
        text += u"\r\n";
    }

    Show(text);

    std::size_t expected = 0;
    for (std::size_t line = 0; line <= 3; ++line) {
        expected += std::min<std::size_t>(length(line), 38);
    }
    ASSERT_EQ(window.outputs.size(), expected);
    for (const FakeWindow::Output& output : window.outputs) {
        const double line = (926.25 - output.x) / 292.5;
        const double row = output.y / 195 - 1;
        ASSERT_EQ(output.text, std::u16string(1, named(static_cast<std::size_t>(line),
                                                       static_cast<std::size_t>(row))))
            << output.x << "," << output.y;
        ASSERT_TRUE(line == std::floor(line) && row == std::floor(row)) << "between cells";
    }
}

}  // namespace
}  // namespace ruvo::test
