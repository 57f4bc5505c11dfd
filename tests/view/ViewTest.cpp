#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "doubles/Doubles.h"
#include "platform/Error.h"
#include "view/Sheets.h"
#include "view/VerticalView.h"

namespace ruvo::test {
namespace {

// The view in a window: MS Mincho at 10 points, "あ" 195 × 195 twips, 15
// twips a pixel, 1350 × 8550 with a frame of 120 × 840 around the client area.
class ViewTest : public ::testing::Test {
  protected:
    void Show(const std::u16string& text, bool fit = false) { view.Show(text, set, fit); }

    FakeWindow window;
    FakeSurface& surface = window.surface;
    VerticalView view{window};
    Typesetting set{u"MS Mincho", 10, true, true};
};

// One column per line however the lines end, 1.5 cells apart from a quarter
// cell inside the client area's right edge; one cell per character, a cell's
// advance down from its breadth. Fitting, the window takes the whole text
// with a quarter cell to spare, in whole pixels, within the work area; else
// it keeps its size; the empty text keeps any size. A size no font can
// carry is an overflow.
TEST_F(ViewTest, ColumnsCellsAndTheWindowsSize) {
    struct Case {
        std::u16string text;
        const char* seen;
        bool fit = true;
        float charWidth = 195, charHeight = 195, availableWidth = 15360, menuWrap = 0;
    };
    const char* twoLines = "705x1485 あ@536.25,195 い@536.25,390 う@243.75,195 え@243.75,390";
    const Case cases[] = {
        {u"あい\r\nうえ", twoLines},
        {u"あい\rうえ\r", twoLines},
        {u"あい\r\n\r\nうえ", "1005x1485 あ@836.25,195 い@836.25,390 う@251.25,195 え@251.25,390"},
        {u"ん", "420x1485 ん@251.25,195 \u3000@251.25,390"},
        {u"\r\n", "420x1095"},
        {u"あい\r\nうえ", "810x1590 あ@641.25,300 い@641.25,495 う@348.75,300 え@348.75,495", true,
         195, 300},
        // Never narrower than the menu bar, which so stays one row; the
        // spare room is on the left.
        {u"あい\r\nうえ", "800x1485 あ@631.25,195 い@631.25,390 う@338.75,195 え@338.75,390", true,
         195, 195, 15360, 800},
        // The bar a text wider than the screen needs goes below its cells.
        {u"あい\r\nうえ",
         "600x1740 あ@431.25,195 い@431.25,390 う@138.75,195 え@138.75,390 H(1,1,1)", true, 195,
         195, 600},
        {u"あい\r\nうえ", "420x1740 あ@251.25,195 い@251.25,390 H(1,1,1)", true, 195, 195, 15},
        {u"", "1500x9000"},
        {u"あい\r\nうえ", "1500x9000 あ@1331.25,195 い@1331.25,390 う@1038.75,195 え@1038.75,390",
         false},
        {u"あいう", "1500x9000 あ@1340,170 い@1340,330 う@1340,490", false, 160, 170},
        {u"あいう", "1500x9000 あ@1260,500 い@1260,980 う@1260,1460", false, 480, 500},
    };
    for (const Case& c : cases) {
        surface.charWidth = c.charWidth;
        surface.charHeight = c.charHeight;
        window.availableWidth = c.availableWidth;
        window.menuWrapWidth = c.menuWrap;
        window.width = 1500;
        window.height = 9000;

        Show(c.text, c.fit);

        EXPECT_EQ(Seen(window), c.seen) << Utf8(c.text);
    }
    set.points = 107374183;
    EXPECT_THROW(Show(u"あ"), RuntimeError);
}

// With wrapping a column holds what the room shows: fitting, the work area's
// height below the window (less the horizontal bar when the columns need it)
// and the window fits the columns; else the window's client area. Without
// it a line is a column, its bar beside it.
TEST_F(ViewTest, WrappingFollowsTheRoom) {
    struct Case {
        int length;
        bool fit = true;
        float availableWidth = 15360;
        bool wrapping = true;
        const char* seen;
    };
    const Case cases[] = {
        {30, true, 15360, true, "1100x3045 10 10 10"},
        {25, true, 15360, true, "1100x3045 10 10 5"},
        {30, true, 15360, false, "1100x3100 11 V(29,10,0)"},
        {60, true, 1000, true, "1100x3100 9 9 9 9 H(6,3,4)"},
        {30, true, 1000, true, "1100x3045 10 10 10"},
        {100, false, 15360, true, "1350x8550 38 38 24"},
    };
    window.availableHeight = 3100;  // ten cells a column
    window.menuWrapWidth = 1100;    // narrower windows, as each starts, wrap the menu bar
    for (const Case& c : cases) {
        window.width = c.fit ? 600 : 1350;
        window.height = 8550;
        set.wrapping = c.wrapping;
        window.availableWidth = c.availableWidth;

        Show(Grid(1, c.length), c.fit);

        EXPECT_EQ(ColumnsSeen(window), c.seen) << c.length;
    }
}

// A resize lays wrapped columns out again with the first character on
// screen in view, and so does a change of how the text is set, fitting the
// window when asked, though ruby notation now takes cells of its own.
TEST_F(ViewTest, LaidOutAgainTheFirstCharacterStays) {
    // The window, its columns and the character at the top of the first.
    const auto seen = [&] { return ColumnsSeen(window) + " " + Utf8(surface.outputs.at(0).text); };
    const auto named = [](int at) { return Utf8(std::u16string(1, Named(0, at))); };
    Show(Grid(1, 200));  // 36 cells a column above the bar
    view.Scroll({ScrollMove::Axis::Columns, ScrollMove::Kind::Steps, 1});
    EXPECT_EQ(seen(), "1350x8550 36 36 36 36 20 H(5,4,1) " + named(36));
    window.height = 5000;  // 18 cells
    view.FollowResize();
    EXPECT_EQ(seen(), "1350x5000 18 18 18 18 18 H(11,4,6) " + named(36));
    set.wrapping = false;
    view.LayOutAgain(set, false);
    EXPECT_EQ(seen(), "1350x5000 21 V(199,20,36) " + named(36));

    window.width = 1350, window.height = 8550, set.wrapping = false;
    Show(u"｜漢《かん》" + Grid(1, 60));
    view.Scroll({ScrollMove::Axis::Cells, ScrollMove::Kind::Steps, 1});
    set.ruby = false;
    view.LayOutAgain(set, false);
    EXPECT_EQ(Seen(window, 1), "1350x8550 " + named(0) + "@926.25,195 V(65,38,6)");

    // The horizontal bar that 20 columns need leaves 38 cells too few rows.
    Show(Grid(20, 38));
    EXPECT_EQ(BarsSeen(window), " H(19,3,17) V(37,36,0)");
    // A window lower than a cell still wraps, a cell a column.
    window.height = 900, set.wrapping = true;
    Show(Grid(1, 3));
    EXPECT_EQ(view.Laid().starts.size(), 3U);
    // ...and one narrower than a column pages a column at a time.
    window.width = 200;
    view.FollowResize();
    view.Scroll({ScrollMove::Axis::Columns, ScrollMove::Kind::Pages, 1});
    EXPECT_EQ(BarsSeen(window), " H(2,1,1)");
}

// Ruby in the half-size font right of its column, centred on its base but
// not above the column's top, the first column in by a ruby cell and a
// quarter of one, so that the ruby beside it stands whole with its margin;
// a dot beside each emphasised character; tate-chu-yoko upright across its
// cell, narrowed to a narrow one; a half-width run centred on its cells.
TEST_F(ViewTest, RubyDotsUprightGroupsAndRunsStandWhereTypesettingPutsThem) {
    struct Case {
        std::u16string text;
        const char* seen;
        bool ruby = true;
        float charHeight = 195;
    };
    const Case cases[] = {
        {u"｜漢《かん》", "漢@1098.75,195 か@1203.75,195 ん@1203.75,300"},
        {u"あ｜漢《かん》", "あ@1098.75,195 漢@1098.75,390 か@1203.75,382.5 ん@1203.75,487.5"},
        {u"あ漢字《かん》",
         "あ@1098.75,195 漢@1098.75,390 字@1098.75,585 か@1203.75,480 ん@1203.75,585"},
        {u"《《あ》》", "あ@1098.75,195 ﹅@1203.75,240"},
        {u"｜漢《か》",
         "｜@1181.25,195 漢@1181.25,390 《@1181.25,585 か@1181.25,780 》@1181.25,975", false},
        {u"第12回", "第@1181.25,195 12^@986.25,390 回@1181.25,585"},
        {u"あWindows", "あ@1181.25,195 Windows@1181.25,438.75"},
        {u"第12回", "第@1181.25,150 12^@1031.25,367.5 回@1181.25,540", true, 150},
    };
    for (const Case& c : cases) {
        set.ruby = c.ruby;
        surface.charHeight = c.charHeight;

        Show(c.text);

        EXPECT_EQ(Seen(window), std::string("1350x8550 ") + c.seen) << Utf8(c.text);
    }
    EXPECT_EQ(surface.widths.back(), 5) << "not narrowed to the cell";
}

// The ruby beside the first column stands whole, a quarter of a ruby cell in
// from the client area's right edge or from the vertical bar, fitted or not.
TEST_F(ViewTest, TheFirstColumnsRubyStandsWholeInsideTheBars) {
    for (const bool wrapping : {true, false}) {
        for (const bool fit : {true, false}) {
            set.wrapping = wrapping;
            Show(u"｜漢《かんじ》" + Grid(1, 60), fit);
            const auto right = std::ranges::max(surface.outputs, {}, &FakeSurface::Output::x).x;
            EXPECT_EQ(right + 26.25F, window.ClientWidth()) << fit << wrapping << BarsSeen(window);
        }
    }
}

// A character is one output with its marks, down one column; a lone
// surrogate shows as U+FFFD, and a mark with nothing to belong to alone.
TEST_F(ViewTest, EachCharacterIsOneOutput) {
    const std::u16string loneHigh(1, char16_t{0xD842}), loneLow(1, char16_t{0xDFFF});
    struct Case {
        std::u16string text;
        const char* drawn;
    };
    const Case cases[] = {
        {u"\U00010000\U000103FF\U0010FFFF", "\U00010000|\U000103FF|\U0010FFFF"},
        {u"\U00020BB7\U00020100\u845B\U000E01F0\u845B\U000E01EF",
         "\U00020BB7|\U00020100|\u845B|\U000E01F0|\u845B\U000E01EF"},
        {u"\u845B\U000E0100\u845B\U00020100", "\u845B\U000E0100|\u845B|\U00020100"},
        {u"\u2665\uFE00\u2665\uFE0F\u304B\u3099\U0001F600\uFE0F\u3099",
         "\u2665\uFE00|\u2665\uFE0F|\u304B\u3099|\U0001F600\uFE0F\u3099"},
        {u"あ" + loneLow + loneLow + loneHigh + u"\u3099", "あ|\uFFFD|\uFFFD|\uFFFD\u3099"},
        {u"\u3099a\n\uFE0Fb", "\u3099|a|\uFE0F|b"},
    };
    for (const Case& c : cases) {
        Show(c.text);

        std::string drawn;
        for (const FakeSurface::Output& output : surface.outputs) {
            drawn += (drawn.empty() ? "" : "|") + Utf8(output.text);
        }
        EXPECT_EQ(drawn, c.drawn) << Utf8(c.text);
        EXPECT_EQ(Joined(surface.calls).find("Text()"), std::string::npos) << "an empty output";
    }
}

// A chosen column length wraps at so many cells whatever the window's height,
// wrapping or not, and a fitted window takes that length.
TEST_F(ViewTest, AChosenColumnLengthStandsWhateverTheWindow) {
    for (const auto& [length, wrapping, fit, seen] :
         {std::tuple(20, true, false, "1350x8550 20 20 10"),
          std::tuple(40, false, false, "1350x8550 39 10 V(39,38,0)"),
          std::tuple(42, true, true, "705x9285 42 8")}) {
        set.columnLength = static_cast<std::size_t>(length), set.wrapping = wrapping;
        window.width = 1350, window.height = 8550;
        Show(Grid(1, 50), fit);
        EXPECT_EQ(ColumnsSeen(window), seen) << length;
    }
}

// On manuscript paper a sheet holds 20 columns of 20 square cells, the
// centre gap between the 10th and 11th, a full stop that would start a
// column below the 20th cell, and under it its number and the count.
TEST_F(ViewTest, ManuscriptSheets) {
    set.manuscript = true;
    window.width = 14000, window.height = 6000;
    std::u16string text = u"\u3000" + std::u16string(19, u'あ') + u"。\r\n\r\nい";
    for (int line = 0; line < 10; ++line) {
        text += u"\r\nう";
    }
    Show(text);
    EXPECT_EQ(Seen(window, 3),
              "14000x6000 1 / 1^@10163.75,4533.75 31字　原稿用紙 1枚（最終 13行）^@8896.25,4826.25"
              " \u3000@13332.5,195 V(26,26,0)");
    const FakeSurface::Output hanging = surface.outputs[22], last = surface.outputs.back();
    EXPECT_EQ(Utf8(hanging.text) + "@" + Num(hanging.x) + "," + Num(hanging.y), "。@13332.5,4095");
    EXPECT_EQ(Utf8(last.text) + "@" + Num(last.x), "う@9627.5") << "not past the centre gap";
    EXPECT_EQ(surface.rules.size(), 4 + 20 * 21U);
    // The first column's right rule and its first cell's foot.
    const auto area = [](const platform::Area& a) {
        return Num(a.left) + "," + Num(a.top) + " " + Num(a.width) + "x" + Num(a.height);
    };
    EXPECT_EQ(area(surface.rules[4]) + " " + area(surface.rules[6]),
              "13332.5,195 15x3900 13137.5,390 195x15");

    // Shorter and narrower than a sheet: the grid scrolls with the text.
    window.width = 8000, window.height = 3000;
    view.FollowResize();
    view.Scroll({ScrollMove::Axis::Cells, ScrollMove::Kind::Steps, 1});
    EXPECT_EQ(Seen(window, 0) + " " + area(surface.rules[4]),
              "8000x3000 V(26,11,1) 7332.5,0 15x3900");
    Show(text + text + text);
    EXPECT_EQ(Seen(window, 0), "8000x3000 H(39,22,18) V(26,9,0)");
    view.Scroll({ScrollMove::Axis::Columns, ScrollMove::Kind::Steps, 1});
    EXPECT_EQ(Seen(window, 0) + " " + area(surface.rules[4]),
              "8000x3000 H(39,22,17) V(26,9,0) 7625,195 15x3900");
}

// The horizontal bar's page on sheets: an area holds a column when it holds
// the column's cells, and for a sheet's last the sheet's margin too; scrolled
// to a sheet's first column, the sheets before it take no room.
TEST(PlacementTest, SheetColumnsThatFitAnArea) {
    Cell cell;
    cell.advance = 195, cell.breadth = 180;
    const Placement sheets(cell, true, true);
    // 20 columns and their centre gap a sheet, 1.5 cells apart, 1.5 cells in
    // from a sheet's right edge; 6435 twips a sheet, 195 between two.
    const std::tuple<std::size_t, std::size_t, double> spans[] = {
        {0, 0, 487.5},   {0, 9, 3120},   {0, 10, 3607.5}, {0, 18, 5947.5}, {0, 19, 6435},
        {0, 20, 7117.5}, {0, 39, 13065}, {20, 29, 3120},  {20, 39, 6435}};
    for (const auto& [first, last, width] : spans) {
        EXPECT_EQ(sheets.ColumnsThatFit(width, first), static_cast<double>(last - first + 1))
            << first << "-" << last;
        EXPECT_EQ(sheets.ColumnsThatFit(width - 1, first), static_cast<double>(last - first))
            << first << "-" << last;
    }
}

// The count under the last sheet: the cells that hold text, the sheets and
// the columns of the last; no text still takes a sheet.
TEST(SheetsTest, TheCountAWriterIsAskedFor) {
    for (const auto& [cells, columns, line] :
         {std::tuple(0, 0, "0字　原稿用紙 1枚（最終 0行）"),
          std::tuple(400, 20, "400字　原稿用紙 1枚（最終 20行）"),
          std::tuple(401, 21, "401字　原稿用紙 2枚（最終 1行）"),
          std::tuple(1234, 67, "1,234字　原稿用紙 4枚（最終 7行）"),
          std::tuple(1234567, 61729, "1,234,567字　原稿用紙 3087枚（最終 9行）")}) {
        EXPECT_EQ(
            Utf8(CountLine(static_cast<std::size_t>(cells), static_cast<std::size_t>(columns))),
            line);
    }
}

}  // namespace
}  // namespace ruvo::test
