#include <functional>
#include <string>
#include <vector>

#include "view/ViewFixture.h"

namespace ruvo::test {
namespace {

using ShowTest = ViewFixture;

TEST_F(ShowTest, ClicksAlternateBetweenTheClipboardAndAnEmptyView) {
    clipboard.text = u"ab\r\ncd";
    form.Form_Click();
    EXPECT_EQ(form.ClipShown, 1);
    EXPECT_EQ(form.DispText, u"ab\r\ncd");
    EXPECT_EQ(window.outputs.size(), 4U);

    clipboard.text = u"xyz";
    form.Form_Click();
    EXPECT_EQ(form.ClipShown, 0);
    EXPECT_EQ(form.DispText, u"");
    EXPECT_TRUE(window.outputs.empty());
    EXPECT_EQ(Joined(Calls("Set")), "SetWidth(705),SetHeight(1485)")
        << "the clearing click resized";
    EXPECT_EQ(clipboard.reads, 1);

    form.Form_Click();
    EXPECT_EQ(form.ClipShown, 1);
    ASSERT_EQ(window.outputs.size(), 3U);
    EXPECT_EQ(window.outputs[2].text, u"z");
    EXPECT_EQ(clipboard.reads, 2);
    EXPECT_EQ(Calls("CreateFont").size(), 3U);
}

// The font is selected back and deleted before the settings are written, the
// last thing a click does. A run that fails on the way still releases it and
// saves nothing.
TEST_F(ShowTest, EveryRunReleasesItsFont) {
    struct Case {
        const char* name;
        std::function<void(FakeWindow&, frmMain&)> arrange;
        int error;  // 0: none
        std::size_t fonts;
    };
    const Case cases[] = {
        {"success", [](FakeWindow&, frmMain&) {}, 0, 1},
        {"size overflows", [](FakeWindow&, frmMain& f) { f.CurFontSize = 107374183; }, 6, 0},
        {"frame too large", [](FakeWindow& w, frmMain&) { w.charWidth = 3e38F; }, 6, 1},
        {"drawing fails", [](FakeWindow& w, frmMain&) { w.onCall = FailOn({"Print"}); }, 68, 1},
        {"selecting fails", [](FakeWindow& w, frmMain&) { w.onCall = FailOn({"SelectObject"}); },
         68, 1},
    };
    for (const Case& c : cases) {
        TestForm run;
        run.AsLoaded(10);
        c.arrange(run.window, run.form);
        run.clipboard.text = u"ab";
        std::size_t deletedAtWrite = 0;
        run.files.onCall = [&](const std::string&) {
            deletedAtWrite = run.window.fontsDeleted.size();
        };

        EXPECT_EQ(!run.form.Dispatch([&] { run.form.Form_Click(); }), c.error != 0) << c.name;

        EXPECT_EQ(run.window.selectedFont, FakeWindow::kDefaultFont) << c.name;
        ASSERT_EQ(run.window.fontsCreated.size(), c.fonts) << c.name;
        EXPECT_EQ(run.window.fontsDeleted.size(), c.fonts) << c.name;
        if (c.error != 0) {
            EXPECT_EQ(static_cast<int>(run.window.reports.at(0).Number()), c.error) << c.name;
            EXPECT_EQ(run.files.calls, std::vector<std::string>{}) << c.name;
            EXPECT_EQ(run.form.ClipShown, 0) << c.name;
        } else {
            EXPECT_EQ(Joined(run.window.calls).substr(0, 60),
                      "CreateFont(-13,@MS Mincho),SelectObject(22136,513),SetWidth(");
            const auto& calls = run.window.calls;
            EXPECT_EQ(Joined({calls.end() - 2, calls.end()}),
                      "SelectObject(22136,256),DeleteObject(513)");
            EXPECT_EQ(run.files.calls.size(), 2U);
            EXPECT_EQ(deletedAtWrite, 1U);
        }
    }
}

// The height in pixels rounds halves to even; the face is turned a quarter,
// and nothing else is asked for, whatever the style presets say.
TEST_F(ShowTest, TheVerticalFontRequest) {
    struct Case {
        std::int32_t points;
        float twipsPerPixel;
        std::int32_t height;
    };
    const Case cases[] = {{9, 15, -12}, {10, 15, -13}, {11, 15, -15},
                          {9, 8, -22},  {11, 8, -28},  {107374182, 15, -143165576}};
    form.BoldFlag = 1;
    form.ItalicFlag = 1;
    for (const Case& c : cases) {
        window.twipsPerPixel = c.twipsPerPixel;
        form.CurFontSize = c.points;

        Show(u"ab");

        const platform::FontRequest expected{c.height, 0, 2700, 2700, 0, 0, 0,
                                             0,        1, 0,    0,    0, 0, u"@MS Mincho"};
        EXPECT_EQ(window.fontsCreated.back(), expected)
            << c.points << " points at " << c.twipsPerPixel;
    }
}

// One column per line, however the lines end; a final break starts none.
TEST_F(ShowTest, ColumnsAreLinesAndTheLongestCountsItsCharacters) {
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

TEST_F(ShowTest, OneCharacterGetsAnIdeographicSpace) {
    for (const std::u16string text : {u"x", u"\r", u"\U00020BB7", u"\u845B\U000E0100", u"\u3099"}) {
        Show(text);

        EXPECT_EQ(form.DispText, text + u"\u3000") << Utf8(text);
    }
}

// The client area holds every cell with a quarter cell to spare on the left
// and below, in whole pixels; the frame is what the window reports around it.
TEST_F(ShowTest, TheVariableModeFitsTheWholeTextWithinTheWorkArea) {
    struct Case {
        const char* name;
        float charHeight, menuWrapWidth, availableWidth, availableHeight, width, height;
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

        EXPECT_EQ(SavedFile(), "\"MS Mincho\",10," + Num(c.width) + "," + Num(c.height) + ",1\r\n")
            << c.name;
    }
}

// The fixed mode takes the saved size whatever the text; every mode but 0
// fits; the empty text keeps the size in both, draws nothing and still saves.
TEST_F(ShowTest, TheSizeByModeAndText) {
    struct Case {
        float mode;
        std::u16string text;
        std::string sizes;
        std::string line;
    };
    const Case cases[] = {
        {0, u"ab", "SetWidth(1234.5),SetHeight(4000)", "1234.5,4000,0"},
        {0, u"abcdefghij\r\nk\r\nl\r\nm\r\nn", "SetWidth(1234.5),SetHeight(4000)", "1234.5,4000,0"},
        {2, u"ab\r\ncd", "SetWidth(705),SetHeight(1485)", "705,1485,2"},
        {-1, u"ab\r\ncd", "SetWidth(705),SetHeight(1485)", "705,1485,-1"},
        {1, u"", "", "1500,9000,1"},
        {0, u"", "", "1500,9000,0"},
    };
    for (const Case& c : cases) {
        form.FrameMode = c.mode;
        form.FrameWidth = 1234.5;
        form.FrameHeight = 4000;
        window.width = 1500;
        window.height = 9000;
        window.calls.clear();

        Show(c.text);

        EXPECT_EQ(Joined(Calls("Set")), c.sizes) << Utf8(c.text);
        EXPECT_EQ(SavedFile(), "\"MS Mincho\",10," + c.line + "\r\n") << Utf8(c.text);
        EXPECT_EQ(form.ClipShown, 1);
    }
    // Nothing to draw: a clear and an empty line at one cell in and down.
    EXPECT_EQ(Joined(Calls("Cls")) + Joined(Calls("Print")), "Cls()Print()");
    EXPECT_EQ(window.currentX, 195);
    EXPECT_EQ(window.currentY, 195);
}

}  // namespace
}  // namespace ruvo::test
