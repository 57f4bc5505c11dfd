#include <string>
#include <vector>

#include "dialogs/DialogFixture.h"
#include "doubles/Text.h"
#include "platform/Error.h"

namespace ruvo::test {
namespace {

using HelpCommandTest = DialogFixture;

TEST_F(HelpCommandTest, AsksTheViewerForTheHelpFileBesideTheProgram) {
    form.Hhelp_Click();
    form.Hhelp_Click();

    const std::vector<std::string> once{"CancelError=1", "HelpCommand=9",
                                        "HelpFile=C:\\Tools\\ruvo.hlp", "ShowHelp"};
    std::vector<std::string> twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(dialog.calls, twice);
}

TEST_F(HelpCommandTest, DirectoryIsPassedExactlyAsHeld) {
    for (const std::u16string dir :
         {u"C:\\", u"D:\\My Tools\\", u"E:\\縦書き ツール\\", u"\\\\server\\share\\"}) {
        form.AppDir = dir;

        form.Hhelp_Click();

        EXPECT_EQ(dialog.helpFile, dir + u"ruvo.hlp") << Utf8(dir);
    }
}

TEST_F(HelpCommandTest, FailureAfterCancelErrorIsQuietAndTheProgramGoesOn) {
    for (const char* step : {"HelpCommand", "HelpFile", "ShowHelp"}) {
        dialog.onCall = [step](const std::string& name) {
            if (name == step) {
                throw RuntimeError(ErrorNumber::FileNotFound);
            }
        };

        EXPECT_TRUE(form.Dispatch([&] { form.Hhelp_Click(); })) << step;

        EXPECT_TRUE(window.reports.empty()) << step;
        EXPECT_FALSE(window.ended) << step;
    }
    EXPECT_EQ(SavedFile(), kExampleLine);
}

// Before the trap is armed, a failure goes to the run-time error report.
TEST_F(HelpCommandTest, UnreachableComponentIsReportedByBothCommands) {
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
