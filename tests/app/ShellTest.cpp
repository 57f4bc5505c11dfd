#include <map>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/FormFixture.h"
#include "platform/Error.h"

namespace ruvo::test {
namespace {

// A started window with the worked example read.
class ShellTest : public FormFixture {
  protected:
    ShellTest() {
        form.Form_Load();
        window.calls.clear();
        files.calls.clear();
    }
};

// Closing saves the size at that moment and the mode; 終了 ends at once and
// saves nothing, so a mode chosen since the last write is lost.
TEST_F(ShellTest, AModeChangeReachesTheFileOnlyThroughTheNextWrite) {
    form.Hkotei_Click();
    window.width = 1500;
    window.height = 9000;
    form.Hend_Click();
    EXPECT_TRUE(window.ended);
    EXPECT_TRUE(files.calls.empty());

    form.Form_Unload();
    EXPECT_EQ(SavedFile(), "\"MS Mincho\",12,1500,9000,0\r\n");
    form.Hkahen_Click();
    form.Form_Unload();
    EXPECT_EQ(SavedFile(), "\"MS Mincho\",12,1500,9000,1\r\n");
}

TEST_F(ShellTest, FrameSizeCommandsSetTheChecksThenTheModeAndNothingElse) {
    struct Case {
        void (frmMain::*command)();
        float modeBefore;
        const char* calls;
        float modeAfter;
    };
    const char* toVariable = "SetMenuChecked(Hkahen,1),SetMenuChecked(Hkotei,0)";
    const char* toFixed = "SetMenuChecked(Hkahen,0),SetMenuChecked(Hkotei,1)";
    const Case cases[] = {
        {&frmMain::Hkahen_Click, 0.0F, toVariable, 1.0F},
        {&frmMain::Hkahen_Click, -1.0F, toVariable, 1.0F},
        {&frmMain::Hkotei_Click, 1.0F, toFixed, 0.0F},
        {&frmMain::Hkotei_Click, 2.0F, toFixed, 0.0F},
    };
    for (const Case& c : cases) {
        form.FrameMode = c.modeBefore;
        window.calls.clear();

        (form.*c.command)();

        EXPECT_EQ(Joined(window.calls), c.calls) << c.modeBefore;
        EXPECT_EQ(form.FrameMode, c.modeAfter) << c.modeBefore;
    }
    EXPECT_TRUE(files.calls.empty());
}

TEST_F(ShellTest, MenuItemsReachTheirHandlers) {
    using platform::MenuItem;
    struct Case {
        MenuItem item;
        const char* window;
        const char* dialog;
    };
    const Case cases[] = {
        {MenuItem::Hkotei, "SetMenuChecked(Hkahen,0),SetMenuChecked(Hkotei,1)", ""},
        {MenuItem::Hkahen, "SetMenuChecked(Hkahen,1),SetMenuChecked(Hkotei,0)", ""},
        {MenuItem::Hfont, "", "ShowFont()"},
        {MenuItem::Hhelp, "", "OpenDocument(C:\\Tools\\ruvo.html)"},
        {MenuItem::Hend, "End()", ""},
        {MenuItem::None, "", ""},
        {MenuItem::Hyoji, "", ""},
        {MenuItem::Hfsize, "", ""},
        {MenuItem::Hkubun1, "", ""},
        {MenuItem::Hkubun2, "", ""},
    };
    for (const Case& c : cases) {
        window.calls.clear();
        dialog.calls.clear();

        form.Menu_Click(c.item);

        EXPECT_EQ(Joined(window.calls), c.window) << static_cast<int>(c.item);
        EXPECT_EQ(dialog.calls.empty() ? "" : dialog.calls.back(), c.dialog)
            << static_cast<int>(c.item);
    }
}

// What a handler does not trap is reported with its number and ends the
// program without the unload step, even when the report itself fails.
TEST_F(ShellTest, DispatchReportsWhatAHandlerDoesNotTrapAndEnds) {
    struct Case {
        void (*fail)();
        bool reportFails;
        const char* calls;
    };
    const Case cases[] = {
        {[] { throw RuntimeError(ErrorNumber::Overflow); }, false, "ReportError(6),End()"},
        {[] { throw std::bad_alloc(); }, false, "ReportError(7),End()"},
        {[] { throw std::logic_error("bug"); }, false, "ReportError(51),End()"},
        {[] { throw RuntimeError(ErrorNumber::DiskFull); }, true, "End()"},
    };
    for (const Case& c : cases) {
        window.calls.clear();
        window.onCall = c.reportFails ? FailOn({"ReportError"}) : nullptr;

        EXPECT_FALSE(form.Dispatch(c.fail)) << c.calls;

        EXPECT_EQ(Joined(window.calls), c.calls);
    }
    EXPECT_TRUE(files.calls.empty());
}

TEST_F(ShellTest, AFailedUnloadWriteIsReportedAndKeepsTheLastFile) {
    form.Hkotei_Click();
    files.onCall = FailOn({"WriteAll"}, ErrorNumber::DiskFull);

    EXPECT_FALSE(form.Dispatch([&] { form.Form_Unload(); }));

    EXPECT_EQ(static_cast<int>(window.reports.at(0).Number()), 61);
    EXPECT_EQ(files.files, (std::map<std::u16string, std::string>{{kSettingsPath, kExampleLine}}));
}

}  // namespace
}  // namespace ruvo::test
