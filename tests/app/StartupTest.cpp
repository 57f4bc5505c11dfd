#include <string>
#include <vector>

#include "app/FormFixture.h"
#include "doubles/Text.h"
#include "platform/Error.h"

namespace ruvo::test {
namespace {

using StartupTest = FormFixture;

TEST_F(StartupTest, AppDirEndsInOneBackslash) {
    struct Case {
        const char16_t* executableDirectory;
        const char16_t* appDir;
    };
    const std::vector<Case> cases{
        {u"C:\\", u"C:\\"},
        {u"C:\\Tools", u"C:\\Tools\\"},
        {u"D:\\縦書き\\Ruvo", u"D:\\縦書き\\Ruvo\\"},
        {u"\\\\server\\share", u"\\\\server\\share\\"},
    };
    for (const Case& c : cases) {
        FakeFiles fresh;
        fresh.executableDirectory = c.executableDirectory;
        frmMain freshForm{window, clipboard, dialog, fresh};

        EXPECT_EQ(freshForm.GetAppDir(), c.appDir) << Utf8(c.executableDirectory);
    }
}

TEST_F(StartupTest, AppDirIsComputedOnce) {
    const std::u16string first = form.GetAppDir();
    files.executableDirectory = u"E:\\Elsewhere";

    EXPECT_EQ(form.GetAppDir(), first);
    EXPECT_EQ(first, u"C:\\Tools\\");
}

TEST_F(StartupTest, PlacesAndShowsTheWindowBeforeReadingThenAppliesTheSettings) {
    files.files[kSettingsPath] = "\"MS Mincho\",12,1234.5,9000,1\r\n";
    std::vector<std::string> order;
    window.onCall = [&](const std::string& name) { order.push_back(name); };
    files.onCall = [&](const std::string& name) { order.push_back(name); };

    form.Form_Load();

    const std::vector<std::string> expectedOrder{
        "SetWindowPos", "ReadAll", "SetWidth", "SetHeight", "SetMenuChecked", "SetMenuChecked"};
    EXPECT_EQ(order, expectedOrder);
    const std::vector<std::string> expectedWindow{
        "SetWindowPos(4660,-1,0,0,90,570,64)", "SetWidth(1234.5)", "SetHeight(9000)",
        "SetMenuChecked(Hkahen,1)", "SetMenuChecked(Hkotei,0)"};
    EXPECT_EQ(window.calls, expectedWindow);
    EXPECT_EQ(files.calls, std::vector<std::string>{"ReadAll(C:\\Tools\\Ruvo.ini)"});
    EXPECT_EQ(form.AppDir, u"C:\\Tools\\");
    EXPECT_EQ(form.CurFontName, u"MS Mincho");
    EXPECT_EQ(form.CurFontSize, 12);
}

// The check marks agree with the sizing, and the mode is written back as read.
TEST_F(StartupTest, AnySavedModeButZeroChecksVariable) {
    struct Case {
        const char* saved;
        float mode;
        bool variable;
    };
    const std::vector<Case> cases{
        {"1", 1.0F, true}, {"0", 0.0F, false},  {"-0", 0.0F, false},
        {"2", 2.0F, true}, {"0.5", 0.5F, true}, {"-1", -1.0F, true},
    };
    for (const Case& c : cases) {
        FakeWindow freshWindow;
        frmMain freshForm{freshWindow, clipboard, dialog, files};
        files.files[kSettingsPath] = std::string("\"MS Mincho\",12,1350,8550,") + c.saved + "\r\n";

        freshForm.Form_Load();

        EXPECT_EQ(freshForm.FrameMode, c.mode) << c.saved;
        EXPECT_EQ(freshWindow.checked[platform::MenuItem::Hkahen], c.variable) << c.saved;
        EXPECT_EQ(freshWindow.checked[platform::MenuItem::Hkotei], !c.variable) << c.saved;
        freshForm.Form_Unload();
        EXPECT_EQ(SavedFile(), std::string("\"MS Mincho\",12,1350,8550,") +
                                   (c.mode == 0.0F ? "0" : c.saved) + "\r\n")
            << c.saved;
    }
}

TEST_F(StartupTest, ClearsTheStylePresetsAndShowsNothing) {
    form.BoldFlag = 1;
    form.ItalicFlag = -1;
    form.ClipShown = 1;

    form.Form_Load();

    EXPECT_EQ(form.BoldFlag, 0);
    EXPECT_EQ(form.ItalicFlag, 0);
    EXPECT_EQ(form.ClipShown, 0);
    EXPECT_FALSE(form.DispText.has_value());
    EXPECT_TRUE(window.outputs.empty());
}

// The drawing position becomes a screen position; halves go to the even pixel.
TEST_F(StartupTest, DrawingPositionIsRoundedHalfToEven) {
    window.currentX = 2.5F;
    window.currentY = 45.5F;

    form.Form_Load();

    EXPECT_EQ(window.calls.front(), "SetWindowPos(4660,-1,2,46,90,570,64)");
}

// Without a usable settings file the shown window reports the error and the
// program ends; nothing is written.
TEST_F(StartupTest, ABadSettingsFileStopsStartUpWithTheReport) {
    struct Case {
        const char* name;
        const char* content;  // nullptr: no file
        ErrorNumber number;
        const char16_t* mentions;
    };
    const std::vector<Case> cases{
        {"missing", nullptr, ErrorNumber::FileNotFound, u"C:\\Tools\\Ruvo.ini"},
        {"four fields", "\"MS Mincho\",12,1350,8550\r\n", ErrorNumber::InputPastEndOfFile,
         u"C:\\Tools\\Ruvo.ini"},
        {"empty", "", ErrorNumber::InputPastEndOfFile, u"C:\\Tools\\Ruvo.ini"},
        {"text for a number", "\"MS Mincho\",12,wide,8550,1\r\n", ErrorNumber::InvalidSettings,
         u"3 番目の値（フレームの幅）"},
        {"negative height", "\"MS Mincho\",12,1350,-8550,1\r\n", ErrorNumber::InvalidSettings,
         u"4 番目の値（フレームの高さ）"},
        {"size too large", "\"MS Mincho\",107374183,1350,8550,0\r\n", ErrorNumber::InvalidSettings,
         u"2 番目の値（フォントサイズ）"},
        {"size rounding to 0", "\"MS Mincho\",0.4,1350,8550,0\r\n", ErrorNumber::InvalidSettings,
         u"2 番目の値（フォントサイズ）"},
        {"tiny width", "\"MS Mincho\",12,1e-45,8550,0\r\n", ErrorNumber::InvalidSettings,
         u"3 番目の値（フレームの幅）"},
    };
    for (const Case& c : cases) {
        FakeWindow freshWindow;
        FakeFiles freshFiles;
        if (c.content != nullptr) {
            freshFiles.files[kSettingsPath] = c.content;
        }
        const auto before = freshFiles.files;
        frmMain freshForm{freshWindow, clipboard, dialog, freshFiles};

        EXPECT_FALSE(freshForm.Dispatch([&] { freshForm.Form_Load(); })) << c.name;

        ASSERT_EQ(freshWindow.reports.size(), 1U) << c.name;
        EXPECT_EQ(freshWindow.reports[0].Number(), c.number) << c.name;
        EXPECT_NE(freshWindow.reports[0].Text().find(u"C:\\Tools\\Ruvo.ini"), std::u16string::npos)
            << c.name;
        EXPECT_NE(freshWindow.reports[0].Text().find(c.mentions), std::u16string::npos) << c.name;
        EXPECT_TRUE(freshWindow.ended) << c.name;
        EXPECT_EQ(freshWindow.calls.front(), "SetWindowPos(4660,-1,0,0,90,570,64)") << c.name;
        EXPECT_EQ(freshWindow.calls.back(), "End()") << c.name;
        EXPECT_EQ(freshFiles.files, before) << c.name;
        EXPECT_EQ(freshFiles.calls, std::vector<std::string>{"ReadAll(C:\\Tools\\Ruvo.ini)"})
            << c.name;
    }
}

}  // namespace
}  // namespace ruvo::test
