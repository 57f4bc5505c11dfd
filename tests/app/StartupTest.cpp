#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doubles/TestApp.h"
#include "platform/Error.h"

namespace ruvo::test {
namespace {

// The settings are read from the executable's directory, with one
// backslash between the two, however the platform names the directory.
TEST(StartupTest, TheSettingsLieBesideTheProgram) {
    for (const auto& [directory, path] :
         {std::pair(u"C:\\", u"C:\\Ruvo.ini"), std::pair(u"C:\\Tools", u"C:\\Tools\\Ruvo.ini"),
          std::pair(u"D:\\縦書き\\Ruvo", u"D:\\縦書き\\Ruvo\\Ruvo.ini"),
          std::pair(u"\\\\server\\share", u"\\\\server\\share\\Ruvo.ini")}) {
        TestApp run;
        run.files.executableDirectory = directory;
        run.files.files = {{path, TestApp::kExampleLine}};

        EXPECT_TRUE(run.app.Dispatch([&] { run.app.Start(); })) << Utf8(path);
        EXPECT_EQ(run.files.calls.at(0), "ReadAll(" + Utf8(path) + ")");
    }
}

// The window shows in the corner before the file is read, then takes the
// saved size and the check marks: any mode but 0 is variable, and the mode
// goes back to the file as it was read. Nothing is shown.
TEST(StartupTest, ShowsTheWindowThenAppliesTheSettings) {
    struct Case {
        const char* mode;  // and the options that follow it
        bool variable;
        const char* written;
    };
    const Case cases[] = {
        {"1", true, "1"}, {"0,0", false, "0,0,1,0"}, {"-0", false, "0"},
        {"2", true, "2"}, {"0.5", true, "0.5"},      {"-1", true, "-1"},
    };
    for (const Case& c : cases) {
        TestApp run;
        run.files.files[TestApp::kSettingsPath] =
            "\"MS Mincho\",12,1234.5,9000," + std::string(c.mode);
        std::size_t shownBeforeRead = 0;
        run.files.onCall = [&](const std::string&) { shownBeforeRead = run.window.calls.size(); };

        run.app.Start();

        const std::string on = c.variable ? "1" : "0";
        const std::string off = c.variable ? "0" : "1";
        EXPECT_EQ(Joined(run.window.calls),
                  "ShowTopmost(90,570),SetWidth(1234.5),SetHeight(9000),SetMenuChecked("
                  "VariableSize," +
                      on + "),SetMenuChecked(FixedSize," + off + "),SetMenuChecked(Wrapping," +
                      (std::string(c.mode).ends_with(",0") ? "0" : "1") +
                      "),SetMenuChecked(Ruby,1),SetMenuChecked(AutoUpdate,0),SetMenuChecked("
                      "LengthToWindow,1),SetMenuChecked(Length20,0),SetMenuChecked(Length40,0),"
                      "SetMenuChecked(Length42,0),SetMenuChecked(Manuscript,0)")
            << c.mode;
        EXPECT_EQ(shownBeforeRead, 1U);
        EXPECT_FALSE(run.app.TextShown());
        EXPECT_TRUE(run.window.surface.calls.empty());
        run.app.OnClose();
        EXPECT_EQ(run.SavedFile(),
                  "\"MS Mincho\",12,1234.5,9000," + std::string(c.written) + "\r\n");
    }
}

// Without a usable settings file the shown window reports the error, naming
// the file and what is wrong, and the program ends; nothing is written.
TEST(StartupTest, ABadSettingsFileStopsStartUpWithTheReport) {
    struct Case {
        const char* content;  // nullptr: no file
        int number;
        const char16_t* mentions;
    };
    const Case cases[] = {
        {nullptr, 53, u"C:\\Tools\\Ruvo.ini"},
        {"\"MS Mincho\",12,1350,8550\r\n", 62, u"5 番目の値（フレームサイズのモード）"},
        {"\"MS Mincho\",12,wide,8550,1\r\n", 380, u"3 番目の値（フレームの幅）"},
        {"\"MS Mincho\",107374183,1350,8550,0\r\n", 380, u"2 番目の値（フォントサイズ）"},
    };
    for (const Case& c : cases) {
        TestApp run;
        if (c.content != nullptr) {
            run.files.files[TestApp::kSettingsPath] = c.content;
        }
        const auto before = run.files.files;

        EXPECT_FALSE(run.app.Dispatch([&] { run.app.Start(); })) << Utf8(c.mentions);

        ASSERT_EQ(run.window.reports.size(), 1U) << Utf8(c.mentions);
        const RuntimeError& report = run.window.reports[0];
        EXPECT_EQ(static_cast<int>(report.Number()), c.number) << Utf8(c.mentions);
        EXPECT_NE(report.Text().find(u"C:\\Tools\\Ruvo.ini"), std::u16string::npos);
        EXPECT_NE(report.Text().find(c.mentions), std::u16string::npos) << Utf8(report.Text());
        EXPECT_EQ(run.window.calls.front(), "ShowTopmost(90,570)");
        EXPECT_EQ(run.window.calls.back(), "End()");
        EXPECT_EQ(run.files.files, before);
        EXPECT_EQ(Joined(run.files.calls), "ReadAll(C:\\Tools\\Ruvo.ini)");
    }
}

}  // namespace
}  // namespace ruvo::test
