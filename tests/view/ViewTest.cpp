#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <tuple>

#include "doubles/TestForm.h"

namespace ruvo::test {
namespace {

using platform::Key;
using platform::ScrollRequest;
using platform::Wheel;
using Bar = platform::ScrollBar;

// Line i, row j of a grid text: a character that names its cell.
char16_t Named(int line, int row) {
    return static_cast<char16_t>(0x4E00 + line * 100 + row);
}

std::u16string Grid(int lines, int length) {
    std::u16string text;
    for (int line = 0; line < lines; ++line) {
        for (int row = 0; row < length; ++row) {
            text += Named(line, row);
        }
        text += u"\r\n";
    }
    return text;
}

// A running window: MS Mincho at 10 points, "あ" 195 × 195 twips, 15 twips a
// pixel, 1350 × 8550 with a frame of 120 × 840 around the client area.
class ViewTest : public ::testing::Test, protected TestForm {
  protected:
    ViewTest() { AsLoaded(10); }

    void Show(const std::u16string& text) {
        clipboard.text = text;
        form.ClipShown = 0;
        form.Form_Click();
    }

    // The window's size, each text drawn at its place (or the first only),
    // and the scroll bars.
    std::string Seen(std::size_t outputs = SIZE_MAX) {
        std::string seen = Num(window.width) + "x" + Num(window.height);
        for (std::size_t i = 0; i < std::min(outputs, window.outputs.size()); ++i) {
            const FakeWindow::Output& output = window.outputs[i];
            seen += " " + Utf8(output.text) + (output.upright ? "^" : "") + "@" + Num(output.x) +
                    "," + Num(output.y);
        }
        return seen + Bars();
    }
    // The window's size, the cells of each column drawn, and the bars.
    std::string Columns() {
        std::string seen = Num(window.width) + "x" + Num(window.height);
        for (std::size_t i = 0, cells = 1; i < window.outputs.size(); ++i, ++cells) {
            if (i + 1 == window.outputs.size() || window.outputs[i + 1].x != window.outputs[i].x) {
                seen += " " + std::to_string(std::exchange(cells, 0));
            }
        }
        return seen + Bars();
    }
    // The scroll bars shown, with their maximum, page and position.
    std::string Bars() {
        std::string bars;
        for (const auto& [bar, state] : window.scrollBars) {
            if (state.visible) {
                bars += Call(bar == Bar::Horizontal ? " H" : " V", state.maximum, state.page,
                             state.position);
            }
        }
        return bars;
    }
};

// The font is selected back and deleted before the settings are written, the
// last thing a click does. A run that fails on the way still releases it and
// saves nothing.
TEST_F(ViewTest, EveryRunReleasesItsFont) {
    struct Case {
        std::function<void(TestForm&)> arrange;
        int error;  // 0: none
        std::size_t fonts;
    };
    // The vertical font, and the ruby font that measures the gap for ruby.
    const Case cases[] = {
        {[](TestForm&) {}, 0, 2},
        {[](TestForm& t) { t.clipboard.busy = true; }, 521, 0},
        {[](TestForm& t) { t.form.CurFontSize = 107374183; }, 6, 0},
        {[](TestForm& t) { t.window.charWidth = 3e38F; }, 6, 2},
        {[](TestForm& t) { t.window.onCall = FailOn({"Print"}); }, 68, 2},
        {[](TestForm& t) { t.window.onCall = FailOn({"SelectObject"}); }, 68, 1},
    };
    for (const Case& c : cases) {
        TestForm run;
        run.AsLoaded(10);
        run.clipboard.text = u"ab";
        c.arrange(run);
        std::size_t deletedAtWrite = 0;
        run.files.onCall = [&](const std::string&) {
            deletedAtWrite = run.window.fontsDeleted.size();
        };

        run.form.Dispatch([&] { run.form.Form_Click(); });

        EXPECT_EQ(run.window.selectedFont, FakeWindow::kDefaultFont) << c.error;
        EXPECT_EQ(run.window.fontsCreated.size(), c.fonts) << c.error;
        EXPECT_EQ(run.window.fontsDeleted.size(), c.fonts) << c.error;
        EXPECT_EQ(run.window.reports.empty() ? 0 : static_cast<int>(run.window.reports[0].Number()),
                  c.error);
        EXPECT_EQ(run.files.calls.size(), c.error == 0 ? 2U : 0U) << c.error;
        EXPECT_EQ(deletedAtWrite, c.error == 0 ? c.fonts : 0U) << c.error;
        EXPECT_EQ(run.form.ClipShown, c.error == 0 ? 1 : 0) << c.error;
    }
}

// The height in pixels rounds halves to even; the face is turned a quarter,
// and nothing else is asked for, whatever the style presets say.
TEST_F(ViewTest, TheVerticalFontRequest) {
    struct Case {
        std::int32_t points;
        float twipsPerPixel;
        std::int32_t height;
    };
    form.BoldFlag = form.ItalicFlag = 1;
    form.Ruby = false;  // no ruby font after it
    for (const Case& c : {Case{9, 15, -12}, Case{10, 15, -13}, Case{11, 15, -15}, Case{9, 8, -22},
                          Case{11, 8, -28}, Case{107374182, 15, -143165576}}) {
        window.twipsPerPixel = c.twipsPerPixel;
        form.CurFontSize = c.points;

        Show(u"ab");

        const platform::FontRequest expected{c.height, 0, 2700, 2700, 0, 0, 0,
                                             0,        1, 0,    0,    0, 0, u"@MS Mincho"};
        EXPECT_EQ(window.fontsCreated.back(), expected) << c.points << " at " << c.twipsPerPixel;
    }
}

// One column per line however the lines end, 1.5 CharW apart from a quarter
// cell inside the client area's right edge; one cell per character, CharW
// down from CharH. The variable mode (any but 0) fits the whole text with a
// quarter cell to spare, in whole pixels, within the work area; the fixed one
// keeps the size the window has, whatever was saved; the empty text keeps any size.
TEST_F(ViewTest, ColumnsCellsAndTheWindowsSize) {
    struct Case {
        std::u16string text;
        const char* seen;
        float mode = 1, charWidth = 195, charHeight = 195, availableWidth = 15360, menuWrap = 0;
    };
    const char* twoLines = "705x1485 あ@536.25,195 い@536.25,390 う@243.75,195 え@243.75,390";
    const Case cases[] = {
        {u"あい\r\nうえ", twoLines},
        {u"あい\nうえ", twoLines},
        {u"あい\rうえ\r", twoLines, 2},
        {u"あい\r\nうえ\r\n", twoLines, -1},
        {u"あい\r\n\r\nうえ", "1005x1485 あ@836.25,195 い@836.25,390 う@251.25,195 え@251.25,390"},
        {u"ん", "420x1485 ん@251.25,195 \u3000@251.25,390"},
        {u"\r\n", "420x1095"},
        {u"あい\r\nうえ", "810x1590 あ@641.25,300 い@641.25,495 う@348.75,300 え@348.75,495", 1,
         195, 300},
        // Never narrower than the menu bar, which so stays one row; the
        // spare room is on the left.
        {u"あい\r\nうえ", "800x1485 あ@631.25,195 い@631.25,390 う@338.75,195 え@338.75,390", 1,
         195, 195, 15360, 800},
        // The bar a text wider than the screen needs goes below its cells.
        {u"あい\r\nうえ",
         "600x1740 あ@431.25,195 い@431.25,390 う@138.75,195 え@138.75,390 H(1,1,1)", 1, 195, 195,
         600},
        {u"あい\r\nうえ", "420x1740 あ@251.25,195 い@251.25,390 H(1,1,1)", 1, 195, 195, 15},
        {u"", "1500x9000"},
        {u"", "1500x9000", 0},
        {u"あい\r\nうえ", "1500x9000 あ@1331.25,195 い@1331.25,390 う@1038.75,195 え@1038.75,390",
         0},
        {u"あ\r\n\nい", "1500x9000 あ@1331.25,195 い@746.25,195", 0},
        {u"あいう", "1500x9000 あ@1340,170 い@1340,330 う@1340,490", 0, 160, 170},
        {u"あいう", "1500x9000 あ@1260,500 い@1260,980 う@1260,1460", 0, 480, 500},
    };
    for (const Case& c : cases) {
        form.FrameMode = c.mode;
        form.FrameWidth = 1350;
        form.FrameHeight = 8550;
        window.charWidth = c.charWidth;
        window.charHeight = c.charHeight;
        window.availableWidth = c.availableWidth;
        window.menuWrapWidth = c.menuWrap;
        window.width = 1500;
        window.height = 9000;

        Show(c.text);

        EXPECT_EQ(Seen(), c.seen) << Utf8(c.text);
        EXPECT_EQ(SavedFile(), "\"MS Mincho\",10," + Num(window.width) + "," + Num(window.height) +
                                   "," + Num(c.mode) + "\r\n");
    }
}

// With wrapping a column holds what the room shows: in the variable mode
// the work area's height below the window (less the horizontal bar when the
// columns need it) and the window fits the columns; in the fixed mode the
// window's client area. Without it a line is a column, its bar beside it.
TEST_F(ViewTest, WrappingFollowsTheRoom) {
    struct Case {
        int length;
        float mode = 1, availableWidth = 15360;
        bool wrapping = true;
        const char* seen;
    };
    const Case cases[] = {
        {30, 1, 15360, true, "1100x3045 10 10 10"},
        {25, 1, 15360, true, "1100x3045 10 10 5"},
        {30, 1, 15360, false, "1100x3100 11 V(29,10,0)"},
        {60, 1, 1000, true, "1100x3100 9 9 9 9 H(6,3,4)"},
        {30, 1, 1000, true, "1100x3045 10 10 10"},
        {100, 0, 15360, true, "1350x8550 38 38 24"},
    };
    window.availableHeight = 3100;  // ten cells a column
    window.menuWrapWidth = 1100;    // narrower windows, as each starts, wrap the menu bar
    for (const Case& c : cases) {
        window.width = c.mode == 0 ? 1350 : 600;
        window.height = 8550;
        form.FrameMode = c.mode;
        form.Wrapping = c.wrapping;
        window.availableWidth = c.availableWidth;

        Show(Grid(1, c.length));

        EXPECT_EQ(Columns(), c.seen) << c.length;
    }
}

// A resize lays the text out again with the first character on screen in
// view; 折り返し does at once, fitting the window in the variable mode, and
// writes nothing.
TEST_F(ViewTest, ResizesAndTheMenuItemLayTheTextOutAgain) {
    // The window, its columns and the character at the top of the first.
    const auto seen = [&] { return Columns() + " " + Utf8(window.outputs.at(0).text); };
    const auto named = [](int at) { return Utf8(std::u16string(1, Named(0, at))); };
    form.FrameMode = 0;
    Show(Grid(1, 200));  // 36 cells a column above the bar
    form.Form_KeyDown(Key::Left);
    EXPECT_EQ(seen(), "1350x8550 36 36 36 36 20 H(5,4,1) " + named(36));
    window.height = 5000;  // 18 cells
    form.Form_Resize();
    EXPECT_EQ(seen(), "1350x5000 18 18 18 18 18 H(11,4,6) " + named(36));

    files.calls.clear();
    form.Horikaeshi_Click();
    EXPECT_EQ(seen(), "1350x5000 21 V(199,20,36) " + named(36));
    EXPECT_EQ(window.checked[platform::MenuItem::Horikaeshi], false);
    form.FrameMode = 1;
    window.availableHeight = 3100;  // ten cells
    form.Horikaeshi_Click();
    EXPECT_EQ(seen(),
              "5970x3045 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 " + named(0));
    EXPECT_TRUE(files.calls.empty()) << "the menu item wrote the settings";
}

// ルビ keeps the character at the top too, though the notation now takes cells.
TEST_F(ViewTest, SwitchingRubyKeepsTheCharacterAtTheTop) {
    form.FrameMode = 0;
    form.Wrapping = false;
    Show(u"｜漢《かん》" + Grid(1, 60));
    form.Form_KeyDown(Key::Down);
    form.Hrubi_Click();
    EXPECT_EQ(Seen(1),
              "1350x8550 " + Utf8(std::u16string(1, Named(0, 0))) + "@926.25,195 V(65,38,6)");
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
    form.FrameMode = 0;
    for (const Case& c : cases) {
        form.Ruby = c.ruby;
        window.charHeight = c.charHeight;

        Show(c.text);

        EXPECT_EQ(Seen(), std::string("1350x8550 ") + c.seen) << Utf8(c.text);
    }
    EXPECT_EQ(window.fontsCreated.back().width, 5) << "not narrowed to the cell";
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
        {u"\U00010000\U000103FF\U0001F600", "\U00010000|\U000103FF|\U0001F600"},
        {u"\U00020BB7\U00020100\u845B\U000E01F0\u845B\U000E01EF",
         "\U00020BB7|\U00020100|\u845B|\U000E01F0|\u845B\U000E01EF"},
        {u"\u845B\U000E0100\u845B\U00020100", "\u845B\U000E0100|\u845B|\U00020100"},
        {u"\u2665\uFE00\u2665\uFE0F\u304B\u3099\U0001F600\uFE0F\u3099",
         "\u2665\uFE00|\u2665\uFE0F|\u304B\u3099|\U0001F600\uFE0F\u3099"},
        {u"あ" + loneLow + loneLow + loneHigh + u"\u3099", "あ|\uFFFD|\uFFFD|\uFFFD\u3099"},
        {u"\u3099a\n\uFE0Fb", "\u3099|a|\uFE0F|b"},
    };
    form.FrameMode = 0;
    for (const Case& c : cases) {
        Show(c.text);

        std::string drawn;
        for (const FakeWindow::Output& output : window.outputs) {
            drawn += (drawn.empty() ? "" : "|") + Utf8(output.text);
        }
        EXPECT_EQ(drawn, c.drawn) << Utf8(c.text);
        EXPECT_EQ(Joined(window.calls).find("Print()"), std::string::npos) << "an empty output";
    }
}

// From column 5, cell 5 of 20 columns of 60 cells (3 columns and 36 cells a
// page, so 17 and 24 are as far as they go). Nothing is written or resized.
TEST_F(ViewTest, KeysWheelsAndBarsMoveThroughTheText) {
    struct Case {
        std::function<void(frmMain&)> input;
        std::int32_t column, cell;
    };
    const auto key = [](Key k) { return [k](frmMain& f) { f.Form_KeyDown(k); }; };
    const auto wheel = [](Wheel w, int n) {
        return [w, n](frmMain& f) { f.Form_MouseWheel(w, n); };
    };
    const auto bar = [](Bar b, ScrollRequest r, int position = 0) {
        return [b, r, position](frmMain& f) { f.Form_Scroll(b, r, position); };
    };
    const Bar h = Bar::Horizontal, v = Bar::Vertical;
    const Case cases[] = {
        {key(Key::Left), 6, 5},
        {key(Key::Right), 4, 5},
        {key(Key::PageDown), 8, 5},
        {key(Key::PageUp), 2, 5},
        {key(Key::Home), 0, 5},
        {key(Key::End), 17, 5},
        {key(Key::Up), 5, 4},
        {key(Key::Down), 5, 6},
        {wheel(Wheel::Vertical, 1), 4, 5},
        {wheel(Wheel::Vertical, -2), 7, 5},
        {wheel(Wheel::Vertical, 100), 0, 5},
        {wheel(Wheel::Vertical, -100), 17, 5},
        {wheel(Wheel::VerticalWithShift, -1), 5, 6},
        {wheel(Wheel::Horizontal, 1), 4, 5},
        {bar(h, ScrollRequest::LineLess), 6, 5},
        {bar(h, ScrollRequest::LineMore), 4, 5},
        {bar(h, ScrollRequest::PageLess), 8, 5},
        {bar(h, ScrollRequest::PageMore), 2, 5},
        {bar(h, ScrollRequest::ToMinimum), 17, 5},
        {bar(h, ScrollRequest::ToMaximum), 0, 5},
        {bar(h, ScrollRequest::ToPosition, 17), 0, 5},
        {bar(h, ScrollRequest::ToPosition, 3), 14, 5},
        {bar(v, ScrollRequest::LineLess), 5, 4},
        {bar(v, ScrollRequest::PageMore), 5, 24},
        {bar(v, ScrollRequest::ToMinimum), 5, 0},
        {bar(v, ScrollRequest::ToMaximum), 5, 24},
        {bar(v, ScrollRequest::ToPosition, 10), 5, 10},
    };
    form.FrameMode = 0;
    form.Wrapping = false;
    Show(Grid(20, 60));
    window.calls.clear();
    files.calls.clear();
    for (const Case& c : cases) {
        form.FirstColumn = form.FirstCell = 5;

        c.input(form);

        const std::u16string first(1, Named(c.column, c.cell));
        EXPECT_EQ(Seen(1), "1350x8550 " + Utf8(first) + "@926.25,195" +
                               Call(" H", 19, 3, 17 - c.column) + Call(" V", 59, 36, c.cell));
    }
    EXPECT_TRUE(files.calls.empty()) << "scrolling wrote the settings";
    EXPECT_EQ(Joined(window.calls).find("SetWidth"), std::string::npos) << "scrolling resized";
    EXPECT_EQ(window.selectedFont, FakeWindow::kDefaultFont);
}

// A showing click starts at the beginning, a clearing one keeps the size,
// hides the bars and leaves the clipboard alone; a hand resize keeps the first
// column at the right edge; scrolling keeps the font the text is shown in, a
// new one shows with the next showing click.
TEST_F(ViewTest, ClicksResizesAndFontsAroundScrolling) {
    form.FrameMode = 0;
    form.Wrapping = false;
    form.Form_KeyDown(Key::End);
    EXPECT_TRUE(window.calls.empty()) << "nothing on display before the first click";
    Show(Grid(20, 60));
    form.Form_KeyDown(Key::PageDown);
    form.Form_KeyDown(Key::Down);
    form.CurFontName = u"IPAGothic";

    window.width = 2000;  // 5 columns a page
    form.Form_Resize();
    EXPECT_EQ(Seen(1), "2000x8550 " + Utf8(std::u16string(1, Named(3, 1))) +
                           "@1576.25,195 H(19,5,12) V(59,36,1)");
    EXPECT_EQ(window.fontsCreated.back().faceName, u"@MS Mincho");

    form.Form_Click();
    EXPECT_EQ(Seen(), "2000x8550");
    window.calls.clear();
    form.Form_KeyDown(Key::Home);
    EXPECT_TRUE(window.calls.empty()) << "nothing on display to scroll";
    form.Form_Click();
    EXPECT_EQ(Seen(1), "2000x8550 " + Utf8(std::u16string(1, Named(0, 0))) +
                           "@1576.25,195 H(19,5,15) V(59,36,0)");
    EXPECT_EQ(window.fontsCreated.back().faceName, u"@IPAGothic");

    window.width = 6500;  // room for every column and cell
    window.height = 13000;
    form.Form_Resize();
    EXPECT_EQ(Bars(), "");
    EXPECT_EQ(clipboard.reads, 2) << "a clearing click reads the clipboard";
}

// With 自動更新 a new text on the clipboard takes the place of the text on
// display as a showing click shows it, 固定 keeping the size the user gave the
// window, and the settings are written with that size. The item unchecked, a
// cleared view, a clipboard without text or a busy one leave the window and
// the file as they are, and nothing is reported.
TEST_F(ViewTest, AClipboardChangeShowsANewTextOverAShownOneWhileAutoUpdating) {
    const std::function<void()> cases[] = {
        [] {},
        [&] { form.FrameMode = 0, window.width = 2000, window.height = 5000; },
        [&] { form.AutoUpdate = false; },
        [&] { form.Form_Click(); },
        [&] { clipboard.text.clear(); },
        [&] { clipboard.busy = true; }};
    const std::string shown[] = {"420x1485 あ@251.25,195 い@251.25,390",
                                 "2000x5000 あ@1831.25,195 い@1831.25,390"};
    for (const auto& arrange : cases) {
        form.AutoUpdate = true;
        form.FrameMode = 1;
        Show(Grid(20, 60));
        clipboard.text = u"あい";
        arrange();
        const std::string before = Seen(),
                          size = "," + Num(window.width) + "," + Num(window.height);
        files.calls.clear();
        form.Dispatch([&] { form.Form_ClipboardChange(); });
        const bool shows = &arrange - cases < 2;
        EXPECT_EQ(Seen(), shows ? shown[&arrange - cases] : before);
        EXPECT_EQ(files.calls.size(), shows ? 2U : 0U) << Joined(files.calls);
        EXPECT_NE(SavedFile().find(shows ? Num(window.width) + "," + Num(window.height) : size),
                  std::string::npos);
        EXPECT_TRUE(window.reports.empty());
    }
}

// The ruby beside the first column stands whole, a quarter of a ruby cell in
// from the client area's right edge or from the vertical bar, in both modes.
TEST_F(ViewTest, TheFirstColumnsRubyStandsWholeInsideTheBars) {
    for (const bool wrapping : {true, false}) {
        for (const float mode : {1.0F, 0.0F}) {
            form.FrameMode = mode, form.Wrapping = wrapping;
            Show(u"｜漢《かんじ》" + Grid(1, 60));
            const auto right = std::ranges::max(window.outputs, {}, &FakeWindow::Output::x).x;
            EXPECT_EQ(right + 26.25F, window.ScaleWidth()) << mode << wrapping << Bars();
        }
    }
}

// F5 shows the clipboard's text whatever is on display, Esc clears what is.
// Ctrl with the wheel, + or - steps along the usual sizes (from between two
// to the neighbour, past the ends nowhere), Ctrl+0 goes back to 12 points;
// a new size is saved, an unchanged one writes nothing.
TEST_F(ViewTest, TheReadersKeys) {
    form.Form_KeyDown(Key::Escape);
    for (const std::u16string text : {u"あ", u"い"}) {
        clipboard.text = text;
        form.Form_KeyDown(Key::F5);
        EXPECT_EQ(Seen(), "420x1485 " + Utf8(text) + "@251.25,195 　@251.25,390");
    }
    form.Form_KeyDown(Key::Escape);
    EXPECT_EQ(Seen() + std::to_string(form.ClipShown), "420x14850");
    const int steps[][3] = {{12, 1, 14},   {12, -1, 11},  {13, 1, 14},  {13, -1, 12},
                            {10, 3, 14},   {5, 1, 8},     {8, -1, 8},   {72, 1, 72},
                            {100, -1, 72}, {100, 1, 100}, {36, -273, 8}};
    const std::tuple<int, Key, int> keys[] = {
        {28, Key::CtrlPlus, 36}, {28, Key::CtrlMinus, 26}, {40, Key::CtrlZero, 12}};
    for (const auto& [from, step, to] : steps) {
        form.CurFontSize = from;
        files.calls.clear();
        form.Form_MouseWheel(Wheel::VerticalWithCtrl, step);
        EXPECT_EQ(std::tuple(form.CurFontSize, files.calls.size()),
                  std::tuple(to, from == to ? 0U : 2U));
    }
    for (const auto& [from, key, to] : keys) {
        form.CurFontSize = from;
        form.Form_KeyDown(key);
        EXPECT_TRUE(SavedFile().starts_with("\"MS Mincho\"," + std::to_string(to) + ",")) << from;
    }
}

}  // namespace
}  // namespace ruvo::test
