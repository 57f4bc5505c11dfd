#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "doubles/TestApp.h"
#include "platform/Error.h"
#include "settings/SettingsFile.h"

namespace ruvo::test {
namespace {

// The settings file in the program's folder.
class SettingsFileTest : public ::testing::Test, protected TestApp {
  protected:
    static inline const std::u16string kFolder = u"C:\\Tools\\";
};

// What is read comes back byte for byte when the window keeps its size; the
// face goes through the ANSI code page; a new file replaces the old in one step.
TEST_F(SettingsFileTest, ReadThenWrittenAgain) {
    struct Case {
        std::string file;
        const char* read;
        std::string written;
    };
    const std::string japanese = "\"\x82\x6C\x82\x72\x20\x96\xBE\x92\xA9\",12,1350,8550,1\r\n";
    const std::string comma = "\"Font, Inc.\",10,1350,8550,0\r\n";
    const Case cases[] = {
        {kExampleLine, "(MS Mincho,12,1350,8550,1,1,1,0)", kExampleLine},
        {japanese, "(ＭＳ 明朝,12,1350,8550,1,1,1,0)", japanese},
        {comma, "(Font, Inc.,10,1350,8550,0,1,1,0)", comma},
        {"\"MS Mincho\"\r\n12\r\n1350\r\n8550\r\n1\r\n", "(MS Mincho,12,1350,8550,1,1,1,0)",
         kExampleLine},
        {"\"MS Mincho\",12,1350,8550,1\r\nelse\r\n", "(MS Mincho,12,1350,8550,1,1,1,0)",
         kExampleLine},
        {"\"MS Mincho\",12,1350,8550,1,0,1,1\r\n", "(MS Mincho,12,1350,8550,1,0,1,1)",
         "\"MS Mincho\",12,1350,8550,1,0,1,1\r\n"},
        {"\"MS Mincho\",12,1350,8550,1,1,0\r\n", "(MS Mincho,12,1350,8550,1,1,0,0)",
         "\"MS Mincho\",12,1350,8550,1,1,0,0\r\n"},
    };
    for (const Case& c : cases) {
        files.files = {{kSettingsPath, c.file}};
        files.calls.clear();

        const SettingsRecord read = ReadSettingsFile(files, kFolder);
        EXPECT_EQ(Call("", read.faceName, read.fontSize, read.frameWidth, read.frameHeight,
                       read.frameMode, read.wrapping, read.ruby, read.autoUpdate),
                  c.read);
        WriteSettingsFile(files, kFolder, read);
        EXPECT_EQ(files.files, (std::map<std::u16string, std::string>{{kSettingsPath, c.written}}));
        EXPECT_EQ(Joined(files.calls),
                  "ReadAll(C:\\Tools\\Ruvo.ini),WriteAll(C:\\Tools\\Ruvo.ini.tmp),"
                  "Replace(C:\\Tools\\Ruvo.ini.tmp,C:\\Tools\\Ruvo.ini)");
    }
}

// A write goes to a temporary file first: when it fails, the last file stays
// and the temporary one goes.
TEST_F(SettingsFileTest, AFailedWriteLeavesThePreviousFile) {
    struct Case {
        const char* failing;
        ErrorNumber error;
        int number;
    };
    for (const Case& c : {Case{"WriteAll", ErrorNumber::DiskFull, 61},
                          Case{"Replace", ErrorNumber::PermissionDenied, 70}}) {
        files.files = {{kSettingsPath, kExampleLine}};
        files.onCall = FailOn({c.failing}, c.error);

        try {
            WriteSettingsFile(files, kFolder, {u"IPAGothic", 12, 1350, 8550, 1});
            ADD_FAILURE() << c.number;
        } catch (const RuntimeError& error) {
            EXPECT_EQ(static_cast<int>(error.Number()), c.number);
        }

        EXPECT_EQ(files.files,
                  (std::map<std::u16string, std::string>{{kSettingsPath, kExampleLine}}));
        EXPECT_EQ(files.calls.back(), "Remove(C:\\Tools\\Ruvo.ini.tmp)") << c.number;
    }
}

}  // namespace
}  // namespace ruvo::test
