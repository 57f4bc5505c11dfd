#include <gtest/gtest.h>

#include <set>
#include <string>

#include "dialogs/FontCommand.h"
#include "dialogs/HelpCommand.h"
#include "doubles/TestApp.h"

namespace ruvo::test {
namespace {

// The chooser opens with the font in use; the chosen face loses one leading
// "@", the size rounds to whole points, halves to even. A cancel, or a
// chooser that fails, chooses nothing.
TEST(DialogsTest, TheFontChosen) {
    struct Case {
        std::u16string face;
        float size;
        std::u16string storedFace;
        std::int32_t points;
    };
    const Case cases[] = {
        {u"@MS Mincho", 12, u"MS Mincho", 12}, {u"A@B", 11.5F, u"A@B", 12}, {u"@", 12.4F, u"", 12},
        {u"\uFF20X", 12.6F, u"\uFF20X", 13},   {u"@@X", 10.5F, u"@X", 10},
    };
    FakeCommonDialog dialog;
    for (const Case& c : cases) {
        dialog.userFontName = c.face;
        dialog.userFontSize = c.size;

        EXPECT_EQ(ChooseFont(dialog, {u"MS Mincho", 12}), (ChosenFont{c.storedFace, c.points}));
    }
    for (const auto& [cancels, size, failing] :
         {std::tuple(true, 12.0F, ""), std::tuple(false, 3e9F, ""),
          std::tuple(false, 12.0F, "ChooseFont")}) {
        dialog.userCancels = cancels;
        dialog.userFontSize = size;
        dialog.onCall = TestApp::FailOn({failing});
        EXPECT_EQ(ChooseFont(dialog, {u"IPAGothic", 20}), std::nullopt) << size;
    }
    EXPECT_EQ(dialog.calls.back(), "ChooseFont(IPAGothic,20)");
}

// Help: the WinHelp viewer for ruvo.hlp when it is there, else ruvo.html in
// the browser, else a message naming both; the paths are the folder as held
// with the names appended. (A call that fails is not logged.)
TEST(DialogsTest, HelpShowsTheFirstViewerThatOpens) {
    const std::string viewer = "ShowHelpFile(E:\\縦書き ツール\\ruvo.hlp)";
    const std::string page = "OpenDocument(E:\\縦書き ツール\\ruvo.html)";
    struct Case {
        bool helpFileThere;
        std::set<std::string> failing;
        std::string calls;
        bool told;
    };
    const Case cases[] = {
        {true, {}, viewer, false},
        {true, {"ShowHelpFile"}, page, false},
        {false, {}, page, false},
        {true, {"ShowHelpFile", "OpenDocument"}, "", true},
        {false, {"OpenDocument"}, "", true},
    };
    for (const Case& c : cases) {
        FakeCommonDialog dialog;
        FakeFiles files;
        FakeWindow window;
        if (c.helpFileThere) {
            files.files[u"E:\\縦書き ツール\\ruvo.hlp"] = "";
        }
        dialog.onCall = TestApp::FailOn(c.failing);

        ShowHelp(dialog, files, window, u"E:\\縦書き ツール\\");

        EXPECT_EQ(Joined(dialog.calls), c.calls);
        EXPECT_EQ(window.messages.size(), c.told ? 1U : 0U) << c.calls;
        if (c.told) {
            EXPECT_NE(window.messages[0].find(
                          u"\nE:\\縦書き ツール\\ruvo.hlp\nE:\\縦書き ツール\\ruvo.html\n"),
                      std::u16string::npos);
        }
    }
}

}  // namespace
}  // namespace ruvo::test
