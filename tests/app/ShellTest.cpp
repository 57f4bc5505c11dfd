#include <algorithm>
#include <map>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/FormFixture.h"
#include "platform/Error.h"

namespace ruvo::test {
namespace {

// A started window: the worked example read, fixed mode chosen since.
class ShellTest : public FormFixture {
  protected:
    ShellTest() {
        form.Form_Load();
        window.calls.clear();
        files.calls.clear();
    }

    bool DialogWas(const std::string& call) const {
        return std::find(dialog.calls.begin(), dialog.calls.end(), call) != dialog.calls.end();
    }
};

TEST_F(ShellTest, UnloadStoresTheSizeAtClosingAndTheMode) {
    form.Hkotei_Click();
    window.width = 1500;
    window.height = 9000;

    form.Form_Unload();

    EXPECT_EQ(SavedFile(), "\"MS Mincho\",12,1500,9000,0\r\n");
    EXPECT_FALSE(window.ended);
}

TEST_F(ShellTest, ExitEndsAtOnceAndSavesNothing) {
    form.Hkotei_Click();
    window.width = 1500;

    form.Hend_Click();

    EXPECT_TRUE(window.ended);
    EXPECT_TRUE(files.calls.empty());
    EXPECT_EQ(SavedFile(), kExampleLine);
}

TEST_F(ShellTest, AModeChangeReachesTheFileOnlyThroughTheNextWrite) {
    form.Hkotei_Click();
    form.Hend_Click();
    EXPECT_EQ(SavedFile(), kExampleLine);

    form.Form_Unload();
    EXPECT_EQ(SavedFile(), "\"MS Mincho\",12,1350,8550,0\r\n");

    form.Hkahen_Click();
    form.Form_Unload();
    EXPECT_EQ(SavedFile(), kExampleLine);
}

TEST_F(ShellTest, FrameSizeCommandsSetChecksThenModeAndNothingElse) {
    struct Case {
        void (frmMain::*command)();
        float modeBefore;
        std::vector<std::string> calls;
        float modeAfter;
    };
    const std::vector<std::string> toVariable{"SetMenuChecked(Hkahen,1)",
                                              "SetMenuChecked(Hkotei,0)"};
    const std::vector<std::string> toFixed{"SetMenuChecked(Hkahen,0)", "SetMenuChecked(Hkotei,1)"};
    const std::vector<Case> cases{
        {&frmMain::Hkahen_Click, 0.0F, toVariable, 1.0F},
        {&frmMain::Hkahen_Click, 1.0F, toVariable, 1.0F},
        {&frmMain::Hkotei_Click, 1.0F, toFixed, 0.0F},
        {&frmMain::Hkotei_Click, 0.0F, toFixed, 0.0F},
        {&frmMain::Hkotei_Click, 2.0F, toFixed, 0.0F},
        {&frmMain::Hkahen_Click, -1.0F, toVariable, 1.0F},
    };
    for (const Case& c : cases) {
        form.FrameMode = c.modeBefore;
        window.calls.clear();

        (form.*c.command)();

        EXPECT_EQ(window.calls, c.calls) << c.modeBefore;
        EXPECT_EQ(form.FrameMode, c.modeAfter) << c.modeBefore;
    }
    EXPECT_TRUE(files.calls.empty());
    EXPECT_EQ(window.width, 1350);
    EXPECT_EQ(window.height, 8550);
}

TEST_F(ShellTest, MenuItemsReachTheirHandlers) {
    form.Menu_Click(platform::MenuItem::Hkotei);
    EXPECT_EQ(form.FrameMode, 0.0F);
    EXPECT_TRUE(window.checked[platform::MenuItem::Hkotei]);

    form.Menu_Click(platform::MenuItem::Hkahen);
    EXPECT_EQ(form.FrameMode, 1.0F);
    EXPECT_TRUE(window.checked[platform::MenuItem::Hkahen]);

    form.Menu_Click(platform::MenuItem::Hfont);
    EXPECT_TRUE(DialogWas("ShowFont"));
    EXPECT_FALSE(DialogWas("OpenDocument=C:\\Tools\\ruvo.html"));

    form.Menu_Click(platform::MenuItem::Hhelp);
    EXPECT_TRUE(DialogWas("OpenDocument=C:\\Tools\\ruvo.html"));

    EXPECT_FALSE(window.ended);
    form.Menu_Click(platform::MenuItem::Hend);
    EXPECT_TRUE(window.ended);
}

TEST_F(ShellTest, MenusAndSeparatorsCarryNoCommand) {
    for (const platform::MenuItem item :
         {platform::MenuItem::None, platform::MenuItem::Hyoji, platform::MenuItem::Hfsize,
          platform::MenuItem::Hkubun1, platform::MenuItem::Hkubun2}) {
        form.Menu_Click(item);
    }

    EXPECT_TRUE(window.calls.empty());
    EXPECT_TRUE(dialog.calls.empty());
    EXPECT_TRUE(files.calls.empty());
    EXPECT_EQ(form.FrameMode, 1.0F);
}

TEST_F(ShellTest, DispatchReportsWhatAHandlerDoesNotTrapAndEnds) {
    struct Case {
        const char* name;
        void (*fail)();
        ErrorNumber reported;
    };
    const std::vector<Case> cases{
        {"run-time error", [] { throw RuntimeError(ErrorNumber::Overflow); },
         ErrorNumber::Overflow},
        {"out of memory", [] { throw std::bad_alloc(); }, ErrorNumber::OutOfMemory},
        {"anything else", [] { throw std::logic_error("bug"); }, ErrorNumber::Unexpected},
    };
    for (const Case& c : cases) {
        window.calls.clear();
        window.reports.clear();

        EXPECT_FALSE(form.Dispatch(c.fail)) << c.name;

        ASSERT_EQ(window.reports.size(), 1U) << c.name;
        EXPECT_EQ(window.reports[0].Number(), c.reported) << c.name;
        const std::vector<std::string> expected{
            "ReportError(" + std::to_string(static_cast<int>(c.reported)) + ")", "End()"};
        EXPECT_EQ(window.calls, expected) << c.name;
    }
    EXPECT_TRUE(files.calls.empty());  // ending this way is not an unload
}

TEST_F(ShellTest, DispatchEndsEvenWhenTheReportFails) {
    window.onCall = [](const std::string& name) {
        if (name == "ReportError") {
            throw std::runtime_error("no message box");
        }
    };

    EXPECT_FALSE(form.Dispatch([] { throw RuntimeError(ErrorNumber::DiskFull); }));

    EXPECT_TRUE(window.ended);
}

TEST_F(ShellTest, DispatchRunsAHandlerThatSucceeds) {
    EXPECT_TRUE(form.Dispatch([&] { form.Hkotei_Click(); }));

    EXPECT_EQ(form.FrameMode, 0.0F);
    EXPECT_TRUE(window.reports.empty());
    EXPECT_FALSE(window.ended);
}

TEST_F(ShellTest, AFailedUnloadWriteIsReportedAndKeepsTheLastFile) {
    form.Hkotei_Click();
    files.failWriteAfter = 5;

    EXPECT_FALSE(form.Dispatch([&] { form.Form_Unload(); }));

    ASSERT_EQ(window.reports.size(), 1U);
    EXPECT_EQ(window.reports[0].Number(), ErrorNumber::DiskFull);
    EXPECT_TRUE(window.ended);
    EXPECT_EQ(files.files, (std::map<std::u16string, std::string>{{kSettingsPath, kExampleLine}}));
}

}  // namespace
}  // namespace ruvo::test
