#include <string>
#include <vector>

#include "app/FormFixture.h"
#include "platform/Error.h"

namespace ruvo::test {
namespace {

using StartupTest = FormFixture;

TEST_F(StartupTest, AppDirEndsInOneBackslashAndIsKept) {
    struct Case {
        const char16_t* executableDirectory;
        const char16_t* appDir;
    };
    for (const Case& c : {Case{u"C:\\", u"C:\\"}, Case{u"C:\\Tools", u"C:\\Tools\\"},
                          Case{u"D:\\縦書き\\Ruvo", u"D:\\縦書き\\Ruvo\\"},
                          Case{u"\\\\server\\share", u"\\\\server\\share\\"}}) {
        FakeFiles fresh;
        fresh.executableDirectory = c.executableDirectory;
        frmMain freshForm{window, clipboard, dialog, fresh};

        EXPECT_EQ(freshForm.GetAppDir(), c.appDir) << Utf8(c.appDir);
        fresh.executableDirectory = u"E:\\Elsewhere";
        EXPECT_EQ(freshForm.GetAppDir(), c.appDir) << "computed once";
    }
}

// The window is placed and shown before the file is read, then takes the
// saved size and the check marks: any mode but 0 is variable, and the mode
// goes back to the file as it was read. Nothing is shown; no style is preset.
TEST_F(StartupTest, PlacesTheWindowThenAppliesTheSettings) {
    struct Case {
        const char* mode;  // and the options that follow it
        float x, y;
        const char* position;
        bool variable;
        const char* written;
    };
    const Case cases[] = {
        {"1", 0, 0, "0,0", true, "1"},     {"0,0", 2.5F, 45.5F, "2,46", false, "0,0,1,0"},
        {"-0", 0, 0, "0,0", false, "0"},   {"2", 0, 0, "0,0", true, "2"},
        {"0.5", 0, 0, "0,0", true, "0.5"}, {"-1", 0, 0, "0,0", true, "-1"},
    };
    for (const Case& c : cases) {
        TestForm run;
        run.files.files[kSettingsPath] = "\"MS Mincho\",12,1234.5,9000," + std::string(c.mode);
        run.window.currentX = c.x;
        run.window.currentY = c.y;
        run.form.BoldFlag = 1;
        run.form.ItalicFlag = -1;
        run.form.ClipShown = 1;
        std::size_t placedBeforeRead = 0;
        run.files.onCall = [&](const std::string&) { placedBeforeRead = run.window.calls.size(); };

        run.form.Form_Load();

        const std::string on = c.variable ? "1" : "0";
        const std::string off = c.variable ? "0" : "1";
        EXPECT_EQ(Joined(run.window.calls),
                  "SetWindowPos(4660,-1," + std::string(c.position) +
                      ",90,570,64),SetWidth(1234.5),SetHeight(9000),SetMenuChecked(Hkahen," + on +
                      "),SetMenuChecked(Hkotei," + off + "),SetMenuChecked(Horikaeshi," +
                      (std::string(c.mode).ends_with(",0") ? "0" : "1") +
                      "),SetMenuChecked(Hrubi,1),SetMenuChecked(Hjido,0)")
            << c.mode;
        EXPECT_EQ(placedBeforeRead, 1U);
        EXPECT_EQ(run.form.BoldFlag + run.form.ItalicFlag + run.form.ClipShown, 0);
        EXPECT_FALSE(run.form.DispText.has_value());
        run.form.Form_Unload();
        EXPECT_EQ(run.SavedFile(),
                  "\"MS Mincho\",12,1234.5,9000," + std::string(c.written) + "\r\n");
    }
}

// Without a usable settings file the shown window reports the error, naming
// the file and what is wrong, and the program ends; nothing is written.
TEST_F(StartupTest, ABadSettingsFileStopsStartUpWithTheReport) {
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
        TestForm run;
        run.files.files.clear();
        if (c.content != nullptr) {
            run.files.files[kSettingsPath] = c.content;
        }
        const auto before = run.files.files;

        EXPECT_FALSE(run.form.Dispatch([&] { run.form.Form_Load(); })) << Utf8(c.mentions);

        ASSERT_EQ(run.window.reports.size(), 1U) << Utf8(c.mentions);
        const RuntimeError& report = run.window.reports[0];
        EXPECT_EQ(static_cast<int>(report.Number()), c.number) << Utf8(c.mentions);
        EXPECT_NE(report.Text().find(u"C:\\Tools\\Ruvo.ini"), std::u16string::npos);
        EXPECT_NE(report.Text().find(c.mentions), std::u16string::npos) << Utf8(report.Text());
        EXPECT_EQ(run.window.calls.front(), "SetWindowPos(4660,-1,0,0,90,570,64)");
        EXPECT_EQ(run.window.calls.back(), "End()");
        EXPECT_EQ(run.files.files, before);
        EXPECT_EQ(Joined(run.files.calls), "ReadAll(C:\\Tools\\Ruvo.ini)");
    }
}

}  // namespace
}  // namespace ruvo::test
