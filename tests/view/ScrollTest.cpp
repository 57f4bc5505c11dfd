#include <functional>
#include <string>

#include "doubles/Text.h"
#include "view/ViewFixture.h"

namespace ruvo::test {
namespace {

using platform::Key;
using platform::ScrollBar;
using platform::ScrollBarState;
using platform::ScrollRequest;
using platform::Wheel;

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

// Fixed mode, 1350 × 8550: a client area of 1230 × 7710 shows 4 columns of
// 38 cells, or 3 of 36 with both scroll bars (255 each) taking room.
class ScrollTest : public ViewFixture {
  protected:
    ScrollTest() { form.FrameMode = 0.0F; }

    ScrollBarState Bar(ScrollBar bar) { return window.scrollBars[bar]; }
};

TEST_F(ScrollTest, BarsShowWhereTheTextDoesNotFit) {
    struct Case {
        std::u16string text;
        ScrollBarState horizontal;
        ScrollBarState vertical;
    };
    const Case cases[] = {
        {Grid(4, 38), {}, {}},
        {Grid(5, 10), {true, 4, 4, 1}, {}},
        {Grid(1, 39), {}, {true, 38, 38, 0}},
        // The vertical bar narrows the client area to 3 columns, and the
        // horizontal one it then needs leaves room for 36 cells.
        {Grid(3, 10) + Grid(1, 39), {true, 3, 3, 1}, {true, 38, 36, 0}},
    };
    for (const Case& c : cases) {
        Show(c.text);

        EXPECT_EQ(Bar(ScrollBar::Horizontal), c.horizontal) << Utf8(c.text.substr(0, 1));
        EXPECT_EQ(Bar(ScrollBar::Vertical), c.vertical) << Utf8(c.text.substr(0, 1));
    }
}

// From column 5, cell 5 of 20 columns of 60 cells (3 columns and 36 cells a
// page, so 17 and 24 are as far as they go).
TEST_F(ScrollTest, KeysWheelsAndBarsMoveThroughTheText) {
    struct Case {
        const char* name;
        std::function<void(frmMain&)> input;
        std::int32_t column;
        std::int32_t cell;
    };
    const auto key = [](Key k) { return [k](frmMain& f) { f.Form_KeyDown(k); }; };
    const auto wheel = [](Wheel w, int n) {
        return [w, n](frmMain& f) { f.Form_MouseWheel(w, n); };
    };
    const auto bar = [](ScrollBar b, ScrollRequest r, int position = 0) {
        return [b, r, position](frmMain& f) { f.Form_Scroll(b, r, position); };
    };
    const ScrollBar h = ScrollBar::Horizontal;
    const ScrollBar v = ScrollBar::Vertical;
    const Case cases[] = {
        {"Left", key(Key::Left), 6, 5},
        {"Right", key(Key::Right), 4, 5},
        {"PageDown", key(Key::PageDown), 8, 5},
        {"PageUp", key(Key::PageUp), 2, 5},
        {"Home", key(Key::Home), 0, 5},
        {"End", key(Key::End), 17, 5},
        {"Up", key(Key::Up), 5, 4},
        {"Down", key(Key::Down), 5, 6},
        {"wheel away", wheel(Wheel::Vertical, 1), 4, 5},
        {"wheel towards", wheel(Wheel::Vertical, -2), 7, 5},
        {"wheel far back", wheel(Wheel::Vertical, 100), 0, 5},
        {"wheel far on", wheel(Wheel::Vertical, -100), 17, 5},
        {"shift wheel", wheel(Wheel::VerticalWithShift, -1), 5, 6},
        {"tilt right", wheel(Wheel::Horizontal, 1), 4, 5},
        {"left arrow", bar(h, ScrollRequest::LineLess), 6, 5},
        {"right arrow", bar(h, ScrollRequest::LineMore), 4, 5},
        {"left of thumb", bar(h, ScrollRequest::PageLess), 8, 5},
        {"right of thumb", bar(h, ScrollRequest::PageMore), 2, 5},
        {"left end", bar(h, ScrollRequest::ToMinimum), 17, 5},
        {"right end", bar(h, ScrollRequest::ToMaximum), 0, 5},
        {"thumb right", bar(h, ScrollRequest::ToPosition, 17), 0, 5},
        {"thumb left", bar(h, ScrollRequest::ToPosition, 3), 14, 5},
        {"up arrow", bar(v, ScrollRequest::LineLess), 5, 4},
        {"below thumb", bar(v, ScrollRequest::PageMore), 5, 24},
        {"top", bar(v, ScrollRequest::ToMinimum), 5, 0},
        {"bottom", bar(v, ScrollRequest::ToMaximum), 5, 24},
        {"thumb down", bar(v, ScrollRequest::ToPosition, 10), 5, 10},
    };
    Show(Grid(20, 60));
    window.calls.clear();
    files.calls.clear();
    for (const Case& c : cases) {
        form.FirstColumn = 5;
        form.FirstCell = 5;

        c.input(form);

        EXPECT_EQ(Num(form.FirstColumn) + "," + Num(form.FirstCell) + " bars at " +
                      Num(Bar(h).position) + "," + Num(Bar(v).position),
                  Num(c.column) + "," + Num(c.cell) + " bars at " + Num(17 - c.column) + "," +
                      Num(c.cell))
            << c.name;
        EXPECT_EQ(Drawn().substr(0, Drawn().find(' ')),
                  Utf8(std::u16string(1, Named(c.column, c.cell))) + "@926.25,195")
            << c.name;
    }
    EXPECT_TRUE(files.calls.empty()) << "scrolling wrote the settings";
    EXPECT_TRUE(Calls("SetWidth").empty() && Calls("SetHeight").empty()) << "scrolling resized";
    EXPECT_EQ(window.selectedFont, FakeWindow::kDefaultFont);
}

TEST_F(ScrollTest, ClicksStartAtTheBeginningOrHideTheBars) {
    Show(Grid(20, 60));
    form.Form_KeyDown(Key::End);
    form.Form_KeyDown(Key::Down);

    form.Form_Click();  // clears
    EXPECT_EQ(Bar(ScrollBar::Horizontal), ScrollBarState{});
    EXPECT_EQ(Bar(ScrollBar::Vertical), ScrollBarState{});
    window.calls.clear();
    form.Form_KeyDown(Key::Home);
    EXPECT_TRUE(window.calls.empty()) << "nothing on display to scroll";

    form.Form_Click();  // shows again
    EXPECT_EQ(form.FirstColumn, 0);
    EXPECT_EQ(form.FirstCell, 0);
    EXPECT_EQ(Bar(ScrollBar::Horizontal), (ScrollBarState{true, 19, 3, 17}));
}

// A chosen font shows with the next showing click, not when the text scrolls.
TEST_F(ScrollTest, ScrollingKeepsTheFontTheTextIsShownIn) {
    Show(Grid(20, 60));
    form.CurFontName = u"IPAGothic";
    form.CurFontSize = 20;

    form.Form_KeyDown(Key::Left);

    EXPECT_EQ(window.fontsCreated.back().faceName, u"@MS Mincho");
    EXPECT_EQ(window.fontsCreated.back().height, -13);
}

TEST_F(ScrollTest, AHandResizeKeepsTheFirstColumnAndUpdatesTheBars) {
    Show(Grid(20, 60));
    form.Form_KeyDown(Key::PageDown);
    form.Form_KeyDown(Key::Down);
    files.calls.clear();

    window.width = 2000;  // 5 columns a page
    form.Form_Resize();
    EXPECT_EQ(form.FirstColumn, 3);
    EXPECT_EQ(Bar(ScrollBar::Horizontal), (ScrollBarState{true, 19, 5, 12}));
    EXPECT_EQ(window.outputs[0].text, std::u16string(1, Named(3, 1)));
    EXPECT_EQ(window.outputs[0].x, 1576.25F);

    window.width = 6500;  // room for every column
    window.height = 13000;
    form.Form_Resize();
    EXPECT_EQ(form.FirstColumn, 0);
    EXPECT_EQ(form.FirstCell, 0);
    EXPECT_EQ(Bar(ScrollBar::Horizontal), ScrollBarState{});
    EXPECT_EQ(Bar(ScrollBar::Vertical), ScrollBarState{});
    EXPECT_TRUE(files.calls.empty());
}

}  // namespace
}  // namespace ruvo::test
