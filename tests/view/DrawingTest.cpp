#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "doubles/Text.h"
#include "view/ViewFixture.h"

namespace ruvo::test {
namespace {

class DrawingTest : public ViewFixture {
  protected:
    DrawingTest() { UseFixedWidth735(); }

    // What was drawn, as "text@x,y".
    std::vector<std::string> Drawn() const {
        std::vector<std::string> drawn;
        for (const FakeWindow::Output& output : window.outputs) {
            drawn.push_back(Utf8(output.text) + "@" + Num(output.x) + "," + Num(output.y));
        }
        return drawn;
    }
};

TEST_F(DrawingTest, CrLfMovesOneColumnInTwoHalves) {
    Show(u"ab\r\ncd");

    const std::vector<std::string> expected{"a@588.75,195", "b@588.75,390", "\r@588.75,585",
                                            "\n@442.5,195", "c@296.25,195", "d@296.25,390"};
    EXPECT_EQ(Drawn(), expected);
    EXPECT_EQ(form.ColumnPos, 2);
}

TEST_F(DrawingTest, LoneLineFeedsMoveHalfAColumn) {
    Show(u"ab\ncd");

    const std::vector<std::string> expected{"a@588.75,195", "b@588.75,390", "\n@588.75,585",
                                            "c@442.5,195", "d@442.5,390"};
    EXPECT_EQ(Drawn(), expected);
}

TEST_F(DrawingTest, StepDownAColumnGrowsWithTheFontSize) {
    struct Case {
        std::int32_t points;
        std::vector<std::string> drawn;
    };
    const Case cases[] = {
        {20, {"a@588.75,195", "b@588.75,585", "c@588.75,975"}},
        {0, {"a@588.75,195", "b@588.75,195", "c@588.75,195"}},
    };
    for (const Case& c : cases) {
        form.CurFontSize = c.points;

        Show(u"abc");

        EXPECT_EQ(Drawn(), c.drawn) << c.points << " points";
    }
}

TEST_F(DrawingTest, FirstColumnStartsThreeQuartersOfACellFromTheOuterWidth) {
    form.FrameWidth = 2000;

    Show(u"a");

    EXPECT_EQ(Drawn(), (std::vector<std::string>{"a@1853.75,195", "\u3000@1853.75,390"}));
}

TEST_F(DrawingTest, EachCharacterIsOnePrintAtOnePosition) {
    struct Case {
        std::u16string text;
        std::vector<std::string> drawn;
    };
    const std::u16string loneHigh(1, char16_t{0xD842});
    const std::u16string loneLow(1, char16_t{0xDFB7});
    const Case cases[] = {
        {u"\U00020BB7\U0001F600", {"\U00020BB7@588.75,195", "\U0001F600@588.75,390"}},
        {u"\u845B\U000E0100\u845B", {"\u845B\U000E0100@588.75,195", "\u845B@588.75,390"}},
        {u"\u2665\uFE0F\u2665", {"\u2665\uFE0F@588.75,195", "\u2665@588.75,390"}},
        {u"\u304B\u3099\u306F\u309A", {"\u304B\u3099@588.75,195", "\u306F\u309A@588.75,390"}},
        {u"\U0001F600\uFE0F\u3099x", {"\U0001F600\uFE0F\u3099@588.75,195", "x@588.75,390"}},
        {u"a" + loneHigh + u"b", {"a@588.75,195", "\uFFFD@588.75,390", "b@588.75,585"}},
        {loneLow + u"\u3099" + loneHigh, {"\uFFFD\u3099@588.75,195", "\uFFFD@588.75,390"}},
        // A mark with nothing before it to belong to stands alone.
        {u"\u3099\u3042", {"\u3099@588.75,195", "\u3042@588.75,390"}},
        {u"a\n\uFE0Fb", {"a@588.75,195", "\n@588.75,390", "\uFE0F@442.5,195", "b@442.5,390"}},
    };
    for (const Case& c : cases) {
        Show(c.text);

        EXPECT_EQ(Drawn(), c.drawn) << Utf8(c.text);
    }
}

// Characters whose cell lies wholly outside the client area are left out;
// the rest keep their places.
TEST_F(DrawingTest, LeavesOutWhatLiesBeyondTheClientArea) {
    struct Case {
        const char* name;
        std::int32_t points;
        float frameWidth;  // outer minus client width
        std::u16string text;
        std::vector<std::string> letters;
    };
    const Case cases[] = {
        // Columns rise at a negative size and leave through the top.
        {"rising",
         -10,
         120,
         std::u16string(1000, u'a'),
         {"a@588.75,195", "a@588.75,0", "a@588.75,-195", "a@588.75,-390"}},
        // A client area 150 wide shows only the second and third columns.
        {"narrow",
         10,
         585,
         u"ab\r\ncd\r\nef\r\ngh",
         {"c@296.25,195", "d@296.25,390", "e@3.75,195", "f@3.75,390"}},
    };
    for (const Case& c : cases) {
        form.CurFontSize = c.points;
        window.frameWidth = c.frameWidth;

        Show(c.text);

        std::vector<std::string> letters;
        for (const std::string& drawn : Drawn()) {
            if (drawn[0] != '\r' && drawn[0] != '\n') {
                letters.push_back(drawn);
            }
        }
        EXPECT_EQ(letters, c.letters) << c.name;
    }
}

// Line i (0-based), row j: a character that names its own cell.
char16_t CellCharacter(std::size_t line, std::size_t row) {
    return static_cast<char16_t>(0x4E00 + (line * 31 + row) % 2000);
}

TEST_F(DrawingTest, LongTextDrawsOnlyWhatTheWindowShowsWhereItBelongs) {
    form.FrameWidth = 1350;  // client area 1230 × 7710
    constexpr std::size_t kLines = 3000;
    std::u16string text;
    for (std::size_t line = 0; line < kLines; ++line) {
        const std::size_t length = line % 3 == 0 ? 400 : line % 7;
        for (std::size_t row = 0; row < length; ++row) {
            text += CellCharacter(line, row);
        }
        text += u"\r\n";
    }

    Show(text);

    // Columns lie 292.5 apart from 1203.75, rows 195 apart from 195; every
    // character drawn sits in the cell of its line and row.
    std::size_t inView = 0;
    for (const FakeWindow::Output& output : window.outputs) {
        if (output.text == u"\r" || output.text == u"\n") {
            continue;
        }
        const double line = (1203.75 - output.x) / 292.5;
        const double row = output.y / 195 - 1;
        ASSERT_EQ(line, static_cast<double>(static_cast<std::size_t>(line))) << output.x;
        ASSERT_EQ(row, static_cast<double>(static_cast<std::size_t>(row))) << output.y;
        EXPECT_EQ(output.text, std::u16string(1, CellCharacter(static_cast<std::size_t>(line),
                                                               static_cast<std::size_t>(row))));
        const bool visible = output.x > 0 && output.x - 195 < 1230 && output.y < 7710;
        inView += visible ? 1 : 0;
    }
    // Every cell that reaches into the client area is drawn: columns 0..4
    // (x down to 33.75), rows 0..38 (y up to 7605), by each line's length.
    std::size_t expectedInView = 0;
    for (std::size_t line = 0; line <= 4; ++line) {
        expectedInView += std::min<std::size_t>(line % 3 == 0 ? 400 : line % 7, 39);
    }
    EXPECT_EQ(inView, expectedInView);
    // What lies outside is at most a margin's worth around the edges.
    EXPECT_LE(window.outputs.size(), 2 * expectedInView);
}

}  // namespace
}  // namespace ruvo::test
