#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

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

TEST_F(DialogsTest, TheChooserOpensWithTheViewStateAndNoStyleFromIt) {
    struct Case {
        std::int32_t bold, italic;
        const char* style;
    };
    for (const Case& c :
         {Case{0, 0, "FontBold=0,FontItalic=0"}, Case{5, -1, "FontBold=1,FontItalic=1"}}) {
        dialog.calls.clear();
        form.BoldFlag = c.bold;
        form.ItalicFlag = c.italic;

        form.Hfont_Click();

        EXPECT_EQ(Joined(dialog.calls), "CancelError=1,Flags=3,FontName=MS Mincho,FontSize=12," +
                                            std::string(c.style) + ",ShowFont");
    }
}

// The chosen face loses one leading "@", the size rounds halves to even, and
// both are saved at once with the window's current size; nothing is drawn.
TEST_F(DialogsTest, AChosenFontIsSavedNotDrawn) {
    struct Case {
        std::u16string face;
        float size;
        std::u16string storedFace;
        std::int32_t storedSize;
        std::string line;
    };
    const Case cases[] = {
        {u"@MS Mincho", 12, u"MS Mincho", 12, "\"MS Mincho\",12,1500,9000,1\r\n"},
        {u"@@X", 10.5F, u"@X", 10, "\"@X\",10,1500,9000,1\r\n"},
        {u"A@B", 11.5F, u"A@B", 12, "\"A@B\",12,1500,9000,1\r\n"},
        {u"@", 12.4F, u"", 12, "\"\",12,1500,9000,1\r\n"},
        {u"\uFF20X", 12.6F, u"\uFF20X", 13, "\"\x81\x97X\",13,1500,9000,1\r\n"},
        {u"ＭＳ 明朝", 20, u"ＭＳ 明朝", 20,
         "\"\x82\x6C\x82\x72\x20\x96\xBE\x92\xA9\",20,1500,9000,1\r\n"},
    };
    for (const Case& c : cases) {
        dialog.userFontName = c.face;
        dialog.userFontSize = c.size;

        form.Hfont_Click();

        EXPECT_EQ(form.CurFontName, c.storedFace) << Utf8(c.face);
        EXPECT_EQ(form.CurFontSize, c.storedSize) << c.size;
        EXPECT_EQ(form.FrameWidth, 1500);
        EXPECT_EQ(SavedFile(), c.line) << Utf8(c.face);
    }
    EXPECT_EQ(dialog.calls.back(), "ShowFont");
    EXPECT_TRUE(window.calls.empty()) << window.calls.front();
}

TEST_F(DialogsTest, TheNextChooserOpensAtTheRoundedSize) {
    dialog.userFontSize = 10.5F;
    form.Hfont_Click();
    dialog.userFontSize.reset();
    dialog.calls.clear();

    form.Hfont_Click();

    EXPECT_EQ(dialog.calls.at(3), "FontSize=10");
}

// A cancel or a failure once the chooser is set up ends the command quietly,
// keeping what was already taken over; the old file stays.
TEST_F(DialogsTest, TheFontCommandFailsQuietly) {
    struct Case {
        const char* name;
        std::set<std::string> failing;
        bool cancel;
        float size;
        std::u16string face;
        std::int32_t storedSize;
    };
    const Case cases[] = {
        {"cancel", {}, true, 20, u"MS Mincho", 12},
        {"size beyond 32 bits", {}, false, 3e9F, u"IPAGothic", 12},
        {"Flags", {"Flags"}, false, 14, u"MS Mincho", 12},
        {"FontName", {"FontName"}, false, 14, u"MS Mincho", 12},
        {"FontSize", {"FontSize"}, false, 14, u"MS Mincho", 12},
        {"FontBold", {"FontBold"}, false, 14, u"MS Mincho", 12},
        {"FontItalic", {"FontItalic"}, false, 14, u"MS Mincho", 12},
        {"ShowFont", {"ShowFont"}, false, 14, u"MS Mincho", 12},
        {"disk full", {"WriteAll"}, false, 14, u"IPAGothic", 14},
    };
    for (const Case& c : cases) {
        AsLoaded();
        dialog.onCall = FailOn(c.failing);
        files.onCall = FailOn(c.failing, ErrorNumber::DiskFull);
        dialog.userCancels = c.cancel;
        dialog.userFontName = u"IPAGothic";
        dialog.userFontSize = c.size;

        EXPECT_TRUE(form.Dispatch([&] { form.Hfont_Click(); })) << c.name;

        EXPECT_EQ(form.CurFontName, c.face) << c.name;
        EXPECT_EQ(form.CurFontSize, c.storedSize) << c.name;
        EXPECT_EQ(files.files,
                  (std::map<std::u16string, std::string>{{kSettingsPath, kExampleLine}}))
            << c.name;
        EXPECT_TRUE(window.reports.empty()) << c.name;
    }
    // The choice reaches the file with the next write that succeeds.
    files.onCall = nullptr;
    form.WriteSettings();
    EXPECT_EQ(SavedFile(), "\"IPAGothic\",14,1500,9000,1\r\n");
}

// Help: the WinHelp viewer for ruvo.hlp when it is there, else ruvo.html in
// the browser, else a message naming both; nothing is ever written.
TEST_F(DialogsTest, HelpShowsTheFirstViewerThatOpens) {
    const std::string viewer = "CancelError=1,HelpCommand=9,HelpFile=C:\\Tools\\ruvo.hlp";
    const std::string page = "OpenDocument=C:\\Tools\\ruvo.html";
    struct Case {
        bool helpFileThere;
        std::set<std::string> failing;
        std::string calls;
        bool told;
    };
    const Case cases[] = {
        {true, {}, viewer + ",ShowHelp", false},
        {true, {"ShowHelp"}, viewer + "," + page, false},
        {true, {"HelpCommand"}, "CancelError=1," + page, false},
        {false, {}, page, false},
        {true, {"ShowHelp", "OpenDocument"}, viewer, true},
        {false, {"OpenDocument"}, "", true},
    };
    for (const Case& c : cases) {
        files.files.erase(u"C:\\Tools\\ruvo.hlp");
        if (c.helpFileThere) {
            files.files[u"C:\\Tools\\ruvo.hlp"] = "";
        }
        dialog.onCall = FailOn(c.failing, ErrorNumber::FileNotFound);
        dialog.calls.clear();
        window.messages.clear();

        EXPECT_TRUE(form.Dispatch([&] { form.Hhelp_Click(); }));

        EXPECT_EQ(Joined(dialog.calls), c.calls);
        ASSERT_EQ(window.messages.size(), c.told ? 1U : 0U) << c.calls;
        if (c.told) {
            EXPECT_NE(window.messages[0].find(u"\nC:\\Tools\\ruvo.hlp\nC:\\Tools\\ruvo.html\n"),
                      std::u16string::npos);
        }
    }
    EXPECT_TRUE(files.calls.empty());
    EXPECT_TRUE(window.reports.empty());
}

TEST_F(DialogsTest, HelpPathsTakeTheDirectoryExactlyAsHeld) {
    for (const std::u16string dir : {u"C:\\", u"E:\\縦書き ツール\\", u"\\\\server\\share\\"}) {
        form.AppDir = dir;
        files.files[dir + u"ruvo.hlp"] = "";
        dialog.onCall = FailOn({"ShowHelp"});
        dialog.calls.clear();

        form.Hhelp_Click();

        EXPECT_EQ(dialog.calls.at(2), "HelpFile=" + Utf8(dir) + "ruvo.hlp");
        EXPECT_EQ(dialog.calls.at(3), "OpenDocument=" + Utf8(dir) + "ruvo.html");
    }
}

// Before the trap is armed, a failure goes to the run-time error report.
TEST_F(DialogsTest, AnUnreachableComponentIsReportedByBothCommands) {
    files.files[u"C:\\Tools\\ruvo.hlp"] = "";
    dialog.onCall = FailOn({"CancelError"});
    for (void (frmMain::*command)() : {&frmMain::Hhelp_Click, &frmMain::Hfont_Click}) {
        window.reports.clear();

        EXPECT_FALSE(form.Dispatch([&] { (form.*command)(); }));

        ASSERT_EQ(window.reports.size(), 1U);
        EXPECT_EQ(static_cast<int>(window.reports[0].Number()), 68);
        EXPECT_TRUE(window.ended);
    }
}

}  // namespace
}  // namespace ruvo::test
