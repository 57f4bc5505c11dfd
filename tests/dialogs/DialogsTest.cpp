#include <gtest/gtest.h>

#include <set>
#include <string>

#include "doubles/TestForm.h"

namespace ruvo::test {
namespace {

// A running window: MS Mincho at 12 points, variable mode, the settings file
// as the last write left it, the window since resized by the user.
class DialogsTest : public ::testing::Test, protected TestForm {
  protected:
    DialogsTest() {
        AsLoaded();
        window.width = 1500;
        window.height = 9000;
    }
};

// The chooser opens with the view state but never with a style; the chosen
// face loses one leading "@", the size rounds halves to even, and both are
// saved at once with the window's size. With nothing on display nothing is drawn.
TEST_F(DialogsTest, AChosenFontIsSaved) {
    struct Case {
        std::int32_t styles;
        std::u16string face;
        float size;
        std::u16string storedFace;
        std::string line;
    };
    const Case cases[] = {
        {0, u"@MS Mincho", 12, u"MS Mincho", "\"MS Mincho\",12,1500,9000,1\r\n"},
        {5, u"A@B", 11.5F, u"A@B", "\"A@B\",12,1500,9000,1\r\n"},
        {0, u"@", 12.4F, u"", "\"\",12,1500,9000,1\r\n"},
        {0, u"\uFF20X", 12.6F, u"\uFF20X", "\"\x81\x97X\",13,1500,9000,1\r\n"},
        {0, u"ＭＳ 明朝", 20, u"ＭＳ 明朝",
         "\"\x82\x6C\x82\x72\x20\x96\xBE\x92\xA9\",20,1500,9000,1\r\n"},
        {-1, u"@@X", 10.5F, u"@X", "\"@X\",10,1500,9000,1\r\n"},
    };
    for (const Case& c : cases) {
        AsLoaded();
        form.BoldFlag = form.ItalicFlag = c.styles;
        dialog.userFontName = c.face;
        dialog.userFontSize = c.size;
        dialog.calls.clear();

        form.Hfont_Click();

        const std::string on = c.styles != 0 ? "1" : "0";
        EXPECT_EQ(Joined(dialog.calls),
                  "CancelError(1),Flags(3),FontName(MS Mincho),FontSize(12),FontBold(" + on +
                      "),FontItalic(" + on + "),ShowFont()");
        EXPECT_EQ(form.CurFontName, c.storedFace);
        EXPECT_EQ(SavedFile(), c.line) << Utf8(c.face);
    }
    EXPECT_EQ(Joined(window.calls).find("Cls"), std::string::npos);
    dialog.userFontSize.reset();
    dialog.calls.clear();
    form.Hfont_Click();
    EXPECT_EQ(dialog.calls.at(3), "FontSize(10)") << "the next chooser opens at the stored size";
}

// The text on display is laid out again at once in the chosen font, the
// variable mode fitting the window, from the character at the top of the
// first column on screen. A font the platform will not make leaves the view,
// the font and the file as they were, and says which it was.
TEST_F(DialogsTest, AChosenFontShowsAtOnceOrIsRefused) {
    clipboard.text = u"あ\r\nか\r\n" + std::u16string(60, u'\n');  // wider than the screen
    form.Form_Click();
    form.Form_KeyDown(platform::Key::Left);
    dialog.userFontName = u"IPAGothic";
    dialog.userFontSize = 24;  // 32 pixels
    window.largestFont = 31;
    const std::string shown = Joined(window.calls);
    files.calls.clear();
    form.Hfont_Click();
    EXPECT_EQ(Joined(window.calls), shown + ",CreateFont(-32,@IPAGothic),ShowMessage()");
    EXPECT_EQ(Utf8(window.messages.at(0)),
              "フォント「IPAGothic」を 24 ポイントで作れませんでした。\n\n"
              "フォントと大きさは前のまま（「MS Mincho」、12 ポイント）です。");
    EXPECT_TRUE(files.calls.empty()) << Joined(files.calls);
    window.largestFont = 32;
    form.Hfont_Click();
    // As wide as the work area, a quarter of a 480-twip cell in from its right edge.
    EXPECT_EQ(Utf8(window.outputs.at(0).text) + "@" + Num(window.outputs[0].x), "か@15120");
    EXPECT_EQ(SavedFile(), "\"IPAGothic\",24,15360," + Num(window.height) + ",1\r\n");
}

// A cancel or a failure once the chooser is set up ends the command quietly,
// keeping what was already taken over; the old file stays until a write works.
TEST_F(DialogsTest, TheFontCommandFailsQuietly) {
    struct Case {
        const char* failing;
        bool cancel;
        float size;
        std::u16string face;
        std::int32_t storedSize;
    };
    const Case cases[] = {
        {"", true, 20, u"MS Mincho", 12},
        {"", false, 3e9F, u"IPAGothic", 12},
        {"Flags", false, 14, u"MS Mincho", 12},
        {"FontName", false, 14, u"MS Mincho", 12},
        {"FontSize", false, 14, u"MS Mincho", 12},
        {"FontBold", false, 14, u"MS Mincho", 12},
        {"FontItalic", false, 14, u"MS Mincho", 12},
        {"ShowFont", false, 14, u"MS Mincho", 12},
        {"WriteAll", false, 14, u"IPAGothic", 14},
    };
    for (const Case& c : cases) {
        AsLoaded();
        dialog.onCall = files.onCall = FailOn({c.failing});
        dialog.userCancels = c.cancel;
        dialog.userFontName = u"IPAGothic";
        dialog.userFontSize = c.size;

        EXPECT_TRUE(form.Dispatch([&] { form.Hfont_Click(); })) << c.failing;

        EXPECT_EQ(form.CurFontName, c.face) << c.failing;
        EXPECT_EQ(form.CurFontSize, c.storedSize) << c.failing;
        EXPECT_EQ(SavedFile(), kExampleLine) << c.failing;
    }
    files.onCall = nullptr;
    form.WriteSettings();
    EXPECT_EQ(SavedFile(), "\"IPAGothic\",14,1500,9000,1\r\n");
}

// Help: the WinHelp viewer for ruvo.hlp when it is there, else ruvo.html in
// the browser, else a message naming both; nothing is written, nothing ends.
TEST_F(DialogsTest, HelpShowsTheFirstViewerThatOpens) {
    const std::string viewer = "CancelError(1),HelpCommand(9),HelpFile(C:\\Tools\\ruvo.hlp)";
    const std::string page = "OpenDocument(C:\\Tools\\ruvo.html)";
    struct Case {
        bool helpFileThere;
        std::set<std::string> failing;
        std::string calls;
        bool told;
    };
    const Case cases[] = {
        {true, {}, viewer + ",ShowHelp()", false},
        {true, {"ShowHelp"}, viewer + "," + page, false},
        {true, {"HelpCommand"}, "CancelError(1)," + page, false},
        {false, {}, page, false},
        {true, {"ShowHelp", "OpenDocument"}, viewer, true},
        {false, {"OpenDocument"}, "", true},
    };
    for (const Case& c : cases) {
        files.files.erase(u"C:\\Tools\\ruvo.hlp");
        if (c.helpFileThere) {
            files.files[u"C:\\Tools\\ruvo.hlp"] = "";
        }
        dialog.onCall = FailOn(c.failing);
        dialog.calls.clear();
        window.messages.clear();

        EXPECT_TRUE(form.Dispatch([&] { form.Hhelp_Click(); }));

        EXPECT_EQ(Joined(dialog.calls), c.calls);
        EXPECT_EQ(window.messages.size(), c.told ? 1U : 0U) << c.calls;
        if (c.told) {
            EXPECT_NE(window.messages[0].find(u"\nC:\\Tools\\ruvo.hlp\nC:\\Tools\\ruvo.html\n"),
                      std::u16string::npos);
        }
    }
    EXPECT_TRUE(files.calls.empty());
    // Paths are the directory as held, with the name appended.
    form.AppDir = u"E:\\縦書き ツール\\";
    files.files[u"E:\\縦書き ツール\\ruvo.hlp"] = "";
    dialog.onCall = FailOn({"ShowHelp"});
    dialog.calls.clear();
    form.Hhelp_Click();
    EXPECT_EQ(dialog.calls.at(2), "HelpFile(E:\\縦書き ツール\\ruvo.hlp)");
    EXPECT_EQ(dialog.calls.at(3), "OpenDocument(E:\\縦書き ツール\\ruvo.html)");
}

// Before the trap is armed, a failure goes to the run-time error report.
TEST_F(DialogsTest, AnUnreachableComponentIsReportedByBothCommands) {
    files.files[u"C:\\Tools\\ruvo.hlp"] = "";
    dialog.onCall = FailOn({"CancelError"});
    for (void (frmMain::*command)() : {&frmMain::Hhelp_Click, &frmMain::Hfont_Click}) {
        window.calls.clear();

        EXPECT_FALSE(form.Dispatch([&] { (form.*command)(); }));

        EXPECT_EQ(Joined(window.calls), "ReportError(68),End()");
    }
}

}  // namespace
}  // namespace ruvo::test
