#include <map>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/FormFixture.h"
#include "app/MenuTree.h"
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

// Each item reaches its handler; the frame-size commands set the check marks
// and then the mode, even over a hand-edited one, and write nothing.
TEST_F(ShellTest, MenuItemsReachTheirHandlers) {
    using platform::MenuItem;
    struct Case {
        MenuItem item;
        const char* window;
        const char* dialog;
        float mode;
    };
    const Case cases[] = {
        {MenuItem::Hkotei, "SetMenuChecked(Hkahen,0),SetMenuChecked(Hkotei,1)", "", 0},
        {MenuItem::Hkahen, "SetMenuChecked(Hkahen,1),SetMenuChecked(Hkotei,0)", "", 1},
        {MenuItem::Horikaeshi, "SetMenuChecked(Horikaeshi,0)", "", 2},
        {MenuItem::Hrubi, "SetMenuChecked(Hrubi,0)", "", 2},
        {MenuItem::Hjido, "SetMenuChecked(Hjido,1)", "", 2},
        {MenuItem::Hfont, "CreateFont(-16,@MS Mincho),DeleteObject(513)", "ShowFont()", 2},
        {MenuItem::Hhelp, "", "OpenDocument(C:\\Tools\\ruvo.html)", 2},
        {MenuItem::Hend, "End()", "", 2},
        {MenuItem::None, "", "", 2},
        {MenuItem::Hyoji, "", "", 2},
        {MenuItem::Hfsize, "", "", 2},
        {MenuItem::Hkubun1, "", "", 2},
        {MenuItem::Hkubun2, "", "", 2},
    };
    for (const Case& c : cases) {
        form.FrameMode = 2;
        window.calls.clear();
        dialog.calls.clear();
        files.calls.clear();

        form.Menu_Click(c.item);

        const auto item = static_cast<int>(c.item);
        EXPECT_EQ(Joined(window.calls), c.window) << item;
        EXPECT_EQ(dialog.calls.empty() ? "" : dialog.calls.back(), c.dialog) << item;
        EXPECT_EQ(form.FrameMode, c.mode) << item;
        EXPECT_EQ(files.calls.size(), c.item == MenuItem::Hfont ? 2U : 0U) << item;
    }
}

// When the window is made, the fixed size, wrapping and ruby are the checked items.
TEST_F(ShellTest, FixedWrappingAndRubyStartChecked) {
    using platform::MenuItem;
    for (const platform::MenuEntry& entry : kMenuTree) {
        EXPECT_EQ(entry.checked, entry.item == MenuItem::Hkotei ||
                                     entry.item == MenuItem::Horikaeshi ||
                                     entry.item == MenuItem::Hrubi)
            << Utf8(entry.caption);
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
