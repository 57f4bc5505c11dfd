#include <string>
#include <vector>

#include "app/FormFixture.h"
#include "platform/Error.h"

namespace ruvo::test {
namespace {

// The settings file as the window reads and writes it, beside the program.
class SettingsFileTest : public FormFixture {
  protected:
    SettingsFileTest() { form.AppDir = u"C:\\Tools\\"; }
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

        form.ReadSettings();
        EXPECT_EQ(Call("", form.CurFontName, form.CurFontSize, form.FrameWidth, form.FrameHeight,
                       form.FrameMode, form.Wrapping, form.Ruby, form.AutoUpdate),
                  c.read);
        form.WriteSettings();
        EXPECT_EQ(files.files, (std::map<std::u16string, std::string>{{kSettingsPath, c.written}}));
        EXPECT_EQ(Joined(files.calls),
                  "ReadAll(C:\\Tools\\Ruvo.ini),WriteAll(C:\\Tools\\Ruvo.ini.tmp),"
                  "Replace(C:\\Tools\\Ruvo.ini.tmp,C:\\Tools\\Ruvo.ini)");
    }
}

// A write goes to a temporary file first: when it fails, the last file stays
// and the temporary one goes.
TEST_F(SettingsFileTest, AFailedWriteLeavesThePreviousFile) {
    form.CurFontName = u"IPAGothic";
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
            form.WriteSettings();
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
