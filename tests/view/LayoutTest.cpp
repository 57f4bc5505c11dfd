#include <string>
#include <vector>

#include "doubles/Text.h"
#include "platform/Error.h"
#include "view/ViewFixture.h"

namespace ruvo::test {
namespace {

using LayoutTest = ViewFixture;

struct FontHeightCase {
    std::int32_t points;
    float twipsPerPixel;
    std::int32_t height;
};

TEST_F(LayoutTest, FontHeightIsTheSizeInPixelsRoundedHalfToEven) {
    const FontHeightCase cases[] = {
        {9, 15, -12},  {10, 15, -13},
        {11, 15, -15}, {9, 8, -22},  // 22.5 rounds to the even 22
        {11, 8, -28},                // 27.5 rounds to the even 28
        {0, 15, 0},    {107374182, 15, -143165576},
    };
    for (const FontHeightCase& c : cases) {
        window.fontsCreated.clear();
        window.twipsPerPixel = c.twipsPerPixel;
        form.CurFontSize = c.points;

        Show(u"ab");

        ASSERT_EQ(window.fontsCreated.size(), 1U) << c.points << " points";
        EXPECT_EQ(window.fontsCreated[0].height, c.height)
            << c.points << " points at " << c.twipsPerPixel;
    }
}

TEST_F(LayoutTest, RequestsTheFaceTurnedAQuarterWithNoStyle) {
    form.BoldFlag = 1;
    form.ItalicFlag = 1;

    Show(u"ab");

    platform::FontRequest expected;
    expected.height = -13;
    expected.escapement = 2700;
    expected.orientation = 2700;
    expected.charSet = 1;
    expected.faceName = u"@MS Mincho";
    ASSERT_EQ(window.fontsCreated.size(), 1U);
    EXPECT_EQ(window.fontsCreated[0], expected);
}

TEST_F(LayoutTest, SizeThatOverflowsStopsBeforeAnyFontIsCreated) {
    form.CurFontSize = 107374183;

    try {
        Show(u"ab");
        FAIL() << "expected an overflow";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), ErrorNumber::Overflow);
    }

    EXPECT_TRUE(window.calls.empty());
    EXPECT_TRUE(files.calls.empty());
    EXPECT_EQ(window.width, 1350);
    EXPECT_EQ(window.height, 8550);
    EXPECT_EQ(form.ClipShown, 0);
}

TEST_F(LayoutTest, VariableFrameFitsTheTextWithCharWOnly) {
    window.charHeight = 300;  // the frame must not depend on it

    Show(u"ab\r\ncd");

    EXPECT_EQ(form.LongestRun, 3);
    EXPECT_EQ(form.BreakCount, 2);
    EXPECT_EQ(Calls("Set"), (std::vector<std::string>{"SetWidth(731.25)", "SetHeight(1280)"}));
    EXPECT_EQ(SavedFile(), "\"MS Mincho\",10,731.25,1280,1\r\n");
    EXPECT_EQ(form.FrameWidth, 731.25);
    EXPECT_EQ(form.FrameHeight, 1280);
}

struct ColumnCase {
    std::u16string text;
    double columns;
    double longestRun;
};

// Columns count characters, so a surrogate pair or a character with its
// marks counts once, in the runs as in the second-to-last test.
TEST_F(LayoutTest, ColumnCounts) {
    const ColumnCase cases[] = {
        {u"ab\r\ncd", 2, 3},
        {u"ab\r\ncd\r\n", 2, 3},
        {u"ab\ncd", 1.5, 3},
        {u"ab\nc", 0.5, 3},
        {u"ab\r\nc", 1, 3},
        {u"ab\r\ncd\r\ne", 2, 3},
        {u"ab\ncd\nef", 2, 3},
        {u"abc\r\n", 1, 4},
        {u"\r", 0.5, 1},
        {u"x", 1, 1},
        {u"ab\r\n\U00020BB7", 1, 3},
        {u"\U00020BB7\U0001F600\r\n", 1, 3},
        {u"か\u3099\u845B\U000E0100\r\n", 1, 3},
        {u"\u2665\uFE0F\u2665\uFE0F\u2665\uFE0F", 1, 3},
    };
    for (const ColumnCase& c : cases) {
        Show(c.text);

        EXPECT_EQ(form.BreakCount, c.columns) << Utf8(c.text);
        EXPECT_EQ(form.LongestRun, c.longestRun) << Utf8(c.text);
        EXPECT_EQ(window.width, c.columns * 292.5 + 146.25) << Utf8(c.text);
        EXPECT_EQ(window.height, 195 * (c.longestRun + 1) + 500) << Utf8(c.text);
    }
}

TEST_F(LayoutTest, OneCharacterGetsAnIdeographicSpace) {
    const std::u16string cases[] = {u"x", u"\r", u"\U00020BB7", u"\u845B\U000E0100", u"\u3099"};
    for (const std::u16string& text : cases) {
        Show(text);

        EXPECT_EQ(form.DispText, text + u"\u3000") << Utf8(text);
    }
}

TEST_F(LayoutTest, OneCharacterSizesAndPositions) {
    window.charHeight = 210;
    window.frameHeight = 300;  // a client area tall enough for both characters

    Show(u"x");

    EXPECT_EQ(form.BreakCount, 1);
    EXPECT_EQ(form.LongestRun, 1);
    EXPECT_EQ(window.width, 438.75F);  // 1.5 × CharW + 0.75 × CharW
    EXPECT_EQ(window.height, 890);     // 2 × CharW + 500
    ASSERT_EQ(window.outputs.size(), 2U);
    EXPECT_EQ(window.outputs[0].text, u"x");
    EXPECT_EQ(window.outputs[0].x, 292.5F);
    EXPECT_EQ(window.outputs[0].y, 210);
    EXPECT_EQ(window.outputs[1].text, u"\u3000");
    EXPECT_EQ(window.outputs[1].x, 292.5F);
    EXPECT_EQ(window.outputs[1].y, 420);
}

TEST_F(LayoutTest, EmptyTextKeepsTheSizeInBothModes) {
    for (const float mode : {1.0F, 0.0F}) {
        form.FrameMode = mode;
        window.width = 1500;
        window.height = 9000;
        window.calls.clear();
        files.files.clear();

        Show(u"");

        EXPECT_TRUE(Calls("Set").empty()) << "mode " << mode;
        EXPECT_EQ(Calls("Cls"), std::vector<std::string>{"Cls()"});
        EXPECT_EQ(Calls("Print"), std::vector<std::string>{"Print()"});
        EXPECT_TRUE(window.outputs.empty());
        EXPECT_EQ(form.FrameWidth, 1500);
        EXPECT_EQ(form.FrameHeight, 9000);
        EXPECT_EQ(SavedFile(),
                  "\"MS Mincho\",10,1500,9000," + std::string(mode != 0.0F ? "1" : "0") + "\r\n");
    }
}

TEST_F(LayoutTest, FixedModeTakesTheSavedSizeWhateverTheText) {
    form.FrameMode = 0.0F;
    form.FrameWidth = 1234.5;
    form.FrameHeight = 4000;

    for (const std::u16string text : {u"ab", u"abcdefghij\r\nk\r\nl\r\nm\r\nn"}) {
        window.calls.clear();

        Show(text);

        EXPECT_EQ(Calls("Set"), (std::vector<std::string>{"SetWidth(1234.5)", "SetHeight(4000)"}));
        EXPECT_EQ(SavedFile(), "\"MS Mincho\",10,1234.5,4000,0\r\n");
    }
}

TEST_F(LayoutTest, AnyNonZeroModeFitsTheText) {
    form.FrameMode = 2.0F;

    Show(u"ab\r\ncd");

    EXPECT_EQ(window.width, 731.25F);
    EXPECT_EQ(window.height, 1280);
}

}  // namespace
}  // namespace ruvo::test
