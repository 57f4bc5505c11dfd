#include <functional>
#include <string>
#include <vector>

#include "platform/Error.h"
#include "view/ViewFixture.h"

namespace ruvo::test {
namespace {

using FormClickTest = ViewFixture;

TEST_F(FormClickTest, ClicksAlternateBetweenTheClipboardAndAnEmptyView) {
    clipboard.text = u"ab\r\ncd";

    form.Form_Click();
    EXPECT_EQ(form.ClipShown, 1);
    EXPECT_EQ(form.DispText, u"ab\r\ncd");
    EXPECT_EQ(window.outputs.size(), 4U);
    EXPECT_EQ(window.width, 705);

    clipboard.text = u"xyz";
    form.Form_Click();
    EXPECT_EQ(form.ClipShown, 0);
    EXPECT_EQ(form.DispText, u"");
    EXPECT_TRUE(window.outputs.empty());
    EXPECT_EQ(window.width, 705);
    EXPECT_EQ(window.height, 1485);
    EXPECT_EQ(clipboard.reads, 1);

    form.Form_Click();
    EXPECT_EQ(form.ClipShown, 1);
    EXPECT_EQ(form.DispText, u"xyz");
    ASSERT_EQ(window.outputs.size(), 3U);
    EXPECT_EQ(window.outputs[2].text, u"z");
    EXPECT_EQ(clipboard.reads, 2);
    EXPECT_EQ(Calls("Cls").size(), 3U);
    EXPECT_EQ(Calls("CreateFont").size(), 3U);
}

TEST_F(FormClickTest, EmptyClipboardStillCountsAsShown) {
    window.width = 1500;
    window.height = 9000;

    form.Form_Click();

    EXPECT_EQ(form.ClipShown, 1);
    EXPECT_EQ(form.DispText, u"");
    EXPECT_TRUE(window.outputs.empty());
    EXPECT_EQ(window.width, 1500);
    EXPECT_EQ(SavedFile(), "\"MS Mincho\",10,1500,9000,1\r\n");
}

// The font goes back and is deleted before the settings are written, and
// the write is the last thing a click does.
TEST_F(FormClickTest, ReleasesTheFontThenWritesTheSettings) {
    form.ClipShown = 1;

    form.Form_Click();

    const std::vector<std::string> fontCalls{"CreateFont(-13,@MS Mincho)",
                                             "SelectObject(22136,513)", "SelectObject(22136,256)",
                                             "DeleteObject(513)"};
    std::vector<std::string> actual;
    for (const std::string& call : window.calls) {
        if (call.find("Object") != std::string::npos || call.find("CreateFont") == 0) {
            actual.push_back(call);
        }
    }
    EXPECT_EQ(actual, fontCalls);
    EXPECT_EQ(window.selectedFont, FakeWindow::kDefaultFont);
    ASSERT_GE(events.size(), 4U);
    const std::vector<std::string> tail(events.end() - 4, events.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"window.SelectObject", "window.DeleteObject",
                                              "files.WriteAll", "files.Replace"}));
}

// A run that fails once the vertical font is in the device context still
// puts the previous font back and deletes the vertical one; nothing is saved.
// A font that never got selected is deleted all the same.
TEST_F(FormClickTest, FailedRunStillReleasesTheFont) {
    struct Case {
        const char* name;
        std::function<void(FakeWindow&)> arrange;
        ErrorNumber error;
    };
    const Case cases[] = {
        {"frame too large", [](FakeWindow& w) { w.charWidth = 3e38F; }, ErrorNumber::Overflow},
        {"drawing fails",
         [](FakeWindow& w) {
             w.onCall = [](const std::string& call) {
                 if (call == "Print") {
                     throw RuntimeError(ErrorNumber::OutOfMemory);
                 }
             };
         },
         ErrorNumber::OutOfMemory},
        {"selecting fails",
         [](FakeWindow& w) {
             w.onCall = [](const std::string& call) {
                 if (call == "SelectObject") {
                     throw RuntimeError(ErrorNumber::Unexpected);
                 }
             };
         },
         ErrorNumber::Unexpected},
    };
    for (const Case& c : cases) {
        window.fontsCreated.clear();
        window.fontsDeleted.clear();
        window.charWidth = 195;
        window.onCall = nullptr;
        c.arrange(window);

        try {
            Show(u"ab");
            ADD_FAILURE() << c.name << ": expected an error";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.Number(), c.error) << c.name;
        }

        ASSERT_EQ(window.fontsCreated.size(), 1U) << c.name;
        EXPECT_EQ(window.selectedFont, FakeWindow::kDefaultFont) << c.name;
        EXPECT_EQ(window.fontsDeleted, (std::vector<platform::Handle>{0x201})) << c.name;
        EXPECT_TRUE(files.calls.empty()) << c.name;
        EXPECT_EQ(form.ClipShown, 0) << c.name;
    }
}

}  // namespace
}  // namespace ruvo::test
