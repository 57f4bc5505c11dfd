#include <string>
#include <vector>

#include "app/FormFixture.h"
#include "doubles/Text.h"
#include "platform/Error.h"

namespace ruvo::test {
namespace {

// The settings file as the window reads and writes it, beside the program.
class SettingsFileTest : public FormFixture {
  protected:
    SettingsFileTest() { form.AppDir = u"C:\\Tools\\"; }
};

TEST_F(SettingsFileTest, WorkedExampleIsReadAndRewrittenByteForByte) {
    form.ReadSettings();

    EXPECT_EQ(form.CurFontName, u"MS Mincho");
    EXPECT_EQ(form.CurFontSize, 12);
    EXPECT_EQ(form.FrameWidth, 1350);
    EXPECT_EQ(form.FrameHeight, 8550);
    EXPECT_EQ(form.FrameMode, 1.0F);

    files.files.clear();
    form.WriteSettings();

    const std::string expected{0x22, 0x4D, 0x53, 0x20, 0x4D, 0x69, 0x6E, 0x63, 0x68, 0x6F,
                               0x22, 0x2C, 0x31, 0x32, 0x2C, 0x31, 0x33, 0x35, 0x30, 0x2C,
                               0x38, 0x35, 0x35, 0x30, 0x2C, 0x31, 0x0D, 0x0A};
    EXPECT_EQ(SavedFile(), expected);
    EXPECT_EQ(files.files.size(), 1U);  // the temporary file is gone
}

TEST_F(SettingsFileTest, WriteStoresTheWindowsCurrentSizeAndTheMode) {
    form.CurFontName = u"MS Mincho";
    form.CurFontSize = 12;
    form.FrameMode = 0.0F;
    window.width = 1234.5F;

    form.WriteSettings();

    EXPECT_EQ(form.FrameWidth, 1234.5);
    EXPECT_EQ(form.FrameHeight, 8550);
    EXPECT_EQ(SavedFile(), "\"MS Mincho\",12,1234.5,8550,0\r\n");
}

TEST_F(SettingsFileTest, WritesANewFileThenPutsItInPlace) {
    form.WriteSettings();

    const std::vector<std::string> expected{"WriteAll(C:\\Tools\\Ruvo.ini.tmp)",
                                            "Replace(C:\\Tools\\Ruvo.ini.tmp,C:\\Tools\\Ruvo.ini)"};
    EXPECT_EQ(files.calls, expected);
}

TEST_F(SettingsFileTest, FaceNamesGoThroughTheAnsiCodePage) {
    form.CurFontName = u"ＭＳ 明朝";
    form.CurFontSize = 12;
    form.FrameMode = 1.0F;

    form.WriteSettings();

    EXPECT_EQ(SavedFile(), "\"\x82\x6C\x82\x72\x20\x96\xBE\x92\xA9\",12,1350,8550,1\r\n");
    form.CurFontName.clear();
    form.ReadSettings();
    EXPECT_EQ(form.CurFontName, u"ＭＳ 明朝");
}

TEST_F(SettingsFileTest, FaceNameWithACommaRoundTrips) {
    form.CurFontName = u"Font, Inc. Mincho";
    form.CurFontSize = 10;
    form.FrameMode = 0.0F;
    window.width = 900;
    window.height = 4500;

    form.WriteSettings();
    form.CurFontName.clear();
    form.CurFontSize = 0;
    form.ReadSettings();

    EXPECT_EQ(SavedFile(), "\"Font, Inc. Mincho\",10,900,4500,0\r\n");
    EXPECT_EQ(form.CurFontName, u"Font, Inc. Mincho");
    EXPECT_EQ(form.CurFontSize, 10);
    EXPECT_EQ(form.FrameWidth, 900);
    EXPECT_EQ(form.FrameHeight, 4500);
}

TEST_F(SettingsFileTest, RecordOverSeveralLinesOrWithMoreTextIsRewrittenAsOneLine) {
    for (const std::string content : {"\"MS Mincho\"\r\n12\r\n1350\r\n8550\r\n1\r\n",
                                      "\"MS Mincho\",12,1350,8550,1\r\nsomething else\r\n"}) {
        files.files[kSettingsPath] = content;

        form.ReadSettings();
        EXPECT_EQ(form.CurFontName, u"MS Mincho") << content;
        EXPECT_EQ(form.CurFontSize, 12) << content;
        EXPECT_EQ(form.FrameWidth, 1350) << content;
        EXPECT_EQ(form.FrameHeight, 8550) << content;
        EXPECT_EQ(form.FrameMode, 1.0F) << content;

        form.WriteSettings();
        EXPECT_EQ(SavedFile(), kExampleLine) << content;
    }
}

TEST_F(SettingsFileTest, AFailedWriteLeavesThePreviousFileAndNoTemporaryFile) {
    form.CurFontName = u"IPAGothic";
    form.CurFontSize = 20;

    struct Case {
        const char* name;
        void (*arrange)(FakeFiles&);
        ErrorNumber number;
    };
    const std::vector<Case> cases{
        {"disk full halfway", [](FakeFiles& f) { f.failWriteAfter = 10; }, ErrorNumber::DiskFull},
        {"replace refused",
         [](FakeFiles& f) {
             f.onCall = [](const std::string& name) {
                 if (name == "Replace") {
                     throw RuntimeError(ErrorNumber::PermissionDenied);
                 }
             };
         },
         ErrorNumber::PermissionDenied},
    };
    for (const Case& c : cases) {
        files.files = {{kSettingsPath, kExampleLine}};
        files.failWriteAfter.reset();
        files.onCall = nullptr;
        c.arrange(files);

        try {
            form.WriteSettings();
            ADD_FAILURE() << c.name;
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.Number(), c.number) << c.name;
        }

        EXPECT_EQ(files.files.size(), 1U) << c.name;
        EXPECT_EQ(SavedFile(), kExampleLine) << c.name;
        EXPECT_EQ(files.calls.back(), "Remove(C:\\Tools\\Ruvo.ini.tmp)") << c.name;
    }
}

TEST_F(SettingsFileTest, AFailedReadLeavesTheFieldsAndTheFileAlone) {
    files.files[kSettingsPath] = "\"IPAGothic\",20,900,4500,oops\r\n";
    form.CurFontName = u"before";

    try {
        form.ReadSettings();
        ADD_FAILURE();
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), ErrorNumber::InvalidSettings);
    }

    EXPECT_EQ(form.CurFontName, u"before");
    EXPECT_EQ(files.calls, std::vector<std::string>{"ReadAll(C:\\Tools\\Ruvo.ini)"});
}

}  // namespace
}  // namespace ruvo::test
