#include <set>
#include <string>
#include <vector>

#include "dialogs/DialogFixture.h"
#include "doubles/Text.h"
#include "platform/Error.h"

namespace ruvo::test {
namespace {

const std::u16string kHelpFile = u"C:\\Tools\\ruvo.hlp";
const std::u16string kHelpPage = u"C:\\Tools\\ruvo.html";
const std::string kCancel = "CancelError=1";
const std::string kCommand = "HelpCommand=9";
const std::string kFile = "HelpFile=C:\\Tools\\ruvo.hlp";
const std::string kShow = "ShowHelp";
const std::string kOpen = "OpenDocument=C:\\Tools\\ruvo.html";

struct HelpCase {
    const char* name;
    bool helpFileThere;
    std::set<std::string> failing;  // steps that throw
    std::vector<std::string> calls;
    bool told;  // the user gets the message that nothing could be shown

    friend void PrintTo(const HelpCase& c, std::ostream* os) { *os << c.name; }
};

class HelpCommandTest : public DialogFixture, public ::testing::WithParamInterface<HelpCase> {};

TEST_P(HelpCommandTest, ShowsTheFirstHelpThatOpensAndWritesNothing) {
    const HelpCase& c = GetParam();
    if (c.helpFileThere) {
        files.files[kHelpFile] = "";
    }
    dialog.onCall = [&c](const std::string& name) {
        if (c.failing.contains(name)) {
            throw RuntimeError(ErrorNumber::FileNotFound);
        }
    };

    EXPECT_TRUE(form.Dispatch([&] { form.Hhelp_Click(); }));

    EXPECT_EQ(dialog.calls, c.calls);
    if (c.told) {
        ASSERT_EQ(window.messages.size(), 1U);
        const std::u16string& message = window.messages[0];
        EXPECT_NE(message.find(u"\n" + kHelpFile + u"\n" + kHelpPage + u"\n"), std::u16string::npos)
            << Utf8(message);
    } else {
        EXPECT_TRUE(window.messages.empty());
    }
    EXPECT_TRUE(window.reports.empty());
    EXPECT_FALSE(window.ended);
    EXPECT_TRUE(files.calls.empty()) << "the help command wrote or removed a file";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HelpCommandTest,
    ::testing::Values(
        HelpCase{"HelpFileShown", true, {}, {kCancel, kCommand, kFile, kShow}, false},
        HelpCase{
            "ViewerFailsPageOpens", true, {"ShowHelp"}, {kCancel, kCommand, kFile, kOpen}, false},
        HelpCase{"ViewerSetupFailsPageOpens", true, {"HelpCommand"}, {kCancel, kOpen}, false},
        HelpCase{"NoHelpFilePageOpens", false, {}, {kOpen}, false},
        HelpCase{
            "NeitherOpens", true, {"ShowHelp", "OpenDocument"}, {kCancel, kCommand, kFile}, true},
        HelpCase{"NoHelpFileAndNoPage", false, {"OpenDocument"}, {}, true}),
    [](const auto& test) { return std::string(test.param.name); });

using HelpPathTest = DialogFixture;

TEST_F(HelpPathTest, DirectoryIsPassedExactlyAsHeld) {
    for (const std::u16string dir :
         {u"C:\\", u"D:\\My Tools\\", u"E:\\縦書き ツール\\", u"\\\\server\\share\\"}) {
        form.AppDir = dir;
        files.files[dir + u"ruvo.hlp"] = "";
        dialog.onCall = [](const std::string& name) {
            if (name == "ShowHelp") {
                throw RuntimeError(ErrorNumber::PathFileAccess);
            }
        };

        form.Hhelp_Click();

        EXPECT_EQ(dialog.helpFile, dir + u"ruvo.hlp") << Utf8(dir);
        EXPECT_EQ(dialog.openedDocument, dir + u"ruvo.html") << Utf8(dir);
    }
}

// Before the trap is armed, a failure goes to the run-time error report.
TEST_F(HelpPathTest, UnreachableComponentIsReportedByBothCommands) {
    files.files[kHelpFile] = "";
    dialog.onCall = [](const std::string& name) {
        if (name == "CancelError") {
            throw RuntimeError(ErrorNumber::DeviceUnavailable);
        }
    };

    for (void (frmMain::*command)() : {&frmMain::Hhelp_Click, &frmMain::Hfont_Click}) {
        window.reports.clear();
        window.ended = false;

        EXPECT_FALSE(form.Dispatch([&] { (form.*command)(); }));

        ASSERT_EQ(window.reports.size(), 1U);
        EXPECT_EQ(window.reports[0].Number(), ErrorNumber::DeviceUnavailable);
        EXPECT_TRUE(window.ended);
    }
    EXPECT_TRUE(dialog.calls.empty());
}

}  // namespace
}  // namespace ruvo::test
