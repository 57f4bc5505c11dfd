#include <gtest/gtest.h>

#include <map>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/MenuTree.h"
#include "doubles/TestApp.h"
#include "platform/Error.h"

namespace ruvo::test {
namespace {

using platform::MenuItem;

// A started program with the worked example read.
class ShellTest : public ::testing::Test, protected TestApp {
  protected:
    ShellTest() { Started(); }
};

// Closing saves the size at that moment and the mode; 終了 ends at once and
// saves nothing, so a mode chosen since the last write is lost.
TEST_F(ShellTest, AModeChangeReachesTheFileOnlyThroughTheNextWrite) {
    app.OnMenu(MenuItem::FixedSize);
    window.width = 1500;
    window.height = 9000;
    app.OnMenu(MenuItem::Exit);
    EXPECT_TRUE(window.ended);
    EXPECT_TRUE(files.calls.empty());

    app.OnClose();
    EXPECT_EQ(SavedFile(), "\"MS Mincho\",12,1500,9000,0\r\n");
    app.OnMenu(MenuItem::VariableSize);
    app.OnClose();
    EXPECT_EQ(SavedFile(), "\"MS Mincho\",12,1500,9000,1\r\n");
}

// Each item reaches its command; the frame-size commands set the check marks
// and the mode, even over a hand-edited one, and write nothing.
TEST_F(ShellTest, MenuItemsReachTheirCommands) {
    struct Case {
        MenuItem item;
        const char* window;
        const char* dialog;
        float mode;
    };
    const Case cases[] = {
        {MenuItem::FixedSize, "SetMenuChecked(VariableSize,0),SetMenuChecked(FixedSize,1)", "", 0},
        {MenuItem::VariableSize, "SetMenuChecked(VariableSize,1),SetMenuChecked(FixedSize,0)", "",
         1},
        {MenuItem::Wrapping, "SetMenuChecked(Wrapping,0)", "", 2},
        {MenuItem::Ruby, "SetMenuChecked(Ruby,0)", "", 2},
        {MenuItem::AutoUpdate, "SetMenuChecked(AutoUpdate,1)", "", 2},
        {MenuItem::Length40,
         "SetMenuChecked(LengthToWindow,0),SetMenuChecked(Length20,0),SetMenuChecked(Length40,1),"
         "SetMenuChecked(Length42,0)",
         "", 2},
        {MenuItem::Manuscript, "SetMenuChecked(Manuscript,1)", "", 2},
        {MenuItem::Font, "", "ChooseFont(MS Mincho,12)", 2},
        {MenuItem::Help, "", "OpenDocument(C:\\Tools\\ruvo.html)", 2},
        {MenuItem::Exit, "End()", "", 2},
        {MenuItem::None, "", "", 2},
        {MenuItem::Format, "", "", 2},
        {MenuItem::FrameSize, "", "", 2},
        {MenuItem::ColumnLength, "", "", 2},
    };
    for (const Case& c : cases) {
        Started("\"MS Mincho\",12,1350,8550,2\r\n");
        dialog.calls.clear();

        app.OnMenu(c.item);

        const auto item = static_cast<int>(c.item);
        EXPECT_EQ(Joined(window.calls), c.window) << item;
        EXPECT_EQ(Joined(dialog.calls), c.dialog) << item;
        EXPECT_EQ(app.Settings().frameMode, c.mode) << item;
        EXPECT_EQ(files.calls.size(), c.item == MenuItem::Font ? 2U : 0U) << item;
    }
}

// When the window is made, the fixed size, wrapping, the window's column
// length and ruby are the checked items.
TEST_F(ShellTest, FixedWrappingAndRubyStartChecked) {
    for (const platform::MenuEntry& entry : kMenuTree) {
        EXPECT_EQ(entry.checked,
                  entry.item == MenuItem::FixedSize || entry.item == MenuItem::Wrapping ||
                      entry.item == MenuItem::LengthToWindow || entry.item == MenuItem::Ruby)
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

        EXPECT_FALSE(app.Dispatch(c.fail)) << c.calls;

        EXPECT_EQ(Joined(window.calls), c.calls);
    }
    EXPECT_TRUE(files.calls.empty());
}

TEST_F(ShellTest, AFailedUnloadWriteIsReportedAndKeepsTheLastFile) {
    app.OnMenu(MenuItem::FixedSize);
    files.onCall = FailOn({"WriteAll"}, ErrorNumber::DiskFull);

    EXPECT_FALSE(app.Dispatch([&] { app.OnClose(); }));

    EXPECT_EQ(static_cast<int>(window.reports.at(0).Number()), 61);
    EXPECT_EQ(files.files, (std::map<std::u16string, std::string>{{kSettingsPath, kExampleLine}}));
}

}  // namespace
}  // namespace ruvo::test
