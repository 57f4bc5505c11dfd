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

// One column per line, however the lines end; a final break starts none.
TEST_F(LayoutTest, ColumnsAreLinesAndTheLongestCountsItsCharacters) {
    struct Case {
        std::u16string text;
        double columns;
        double longest;
    };
    const Case cases[] = {
        {u"ab\r\ncd", 2, 2},
        {u"ab\r\ncd\r\n", 2, 2},
        {u"ab\ncd", 2, 2},
        {u"ab\nc", 2, 2},
        {u"ab\r\nc", 2, 2},
        {u"ab\rcd\r", 2, 2},
        {u"ab\r\n\r\ncd", 3, 2},
        {u"a\n\rbcd\r\n\ne", 5, 3},
        {u"\r\n", 1, 0},
        {u"x", 1, 2},  // with its ideographic space
        {u"\U00020BB7\U0001F600\u845B\U000E0100\u304B\u3099\r\n", 1, 4},
    };
    for (const Case& c : cases) {
        Show(c.text);

        EXPECT_EQ(form.BreakCount, c.columns) << Utf8(c.text);
        EXPECT_EQ(form.LongestRun, c.longest) << Utf8(c.text);
    }
}

// The client area holds every cell with a quarter cell to spare on the left
// and below, in whole pixels; the frame is what the window reports around it.
TEST_F(LayoutTest, VariableModeFitsTheWholeTextWithinTheWorkArea) {
    struct Case {
        const char* name;
        float charHeight;
        float menuWrapWidth;
        float availableWidth;
        float availableHeight;
        float width;
        float height;
    };
    const Case cases[] = {
        // 48.75 + 292.5 + 195 + 48.75 = 585 wide; 195 + 2 × 195 + 48.75 up to 645 high.
        {"two cells", 195, 0, 15360, 11520, 705, 1485},
        {"taller cell", 300, 0, 15360, 11520, 810, 1590},
        {"menu wraps", 195, 800, 15360, 11520, 705, 1785},
        {"work area", 195, 0, 600, 1400, 600, 1400},
        {"one cell at least", 195, 0, 15, 15, 420, 1290},
    };
    for (const Case& c : cases) {
        window.charHeight = c.charHeight;
        window.menuWrapWidth = c.menuWrapWidth;
        window.availableWidth = c.availableWidth;
        window.availableHeight = c.availableHeight;

        Show(u"ab\r\ncd");

        EXPECT_EQ(window.width, c.width) << c.name;
        EXPECT_EQ(window.height, c.height) << c.name;
        EXPECT_EQ(SavedFile(), "\"MS Mincho\",10," + Num(c.width) + "," + Num(c.height) + ",1\r\n")
            << c.name;
    }
}

TEST_F(LayoutTest, OneCharacterGetsAnIdeographicSpace) {
    const std::u16string cases[] = {u"x", u"\r", u"\U00020BB7", u"\u845B\U000E0100", u"\u3099"};
    for (const std::u16string& text : cases) {
        Show(text);

        EXPECT_EQ(form.DispText, text + u"\u3000") << Utf8(text);
    }
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
        EXPECT_EQ(window.currentX, 195);
        EXPECT_EQ(window.currentY, 195);
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

    EXPECT_EQ(window.width, 705);
    EXPECT_EQ(window.height, 1485);
}

}  // namespace
}  // namespace ruvo::test
