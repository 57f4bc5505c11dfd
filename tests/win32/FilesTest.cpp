#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/Error.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32.h"
#include "platform/win32/Win32Files.h"

namespace ruvo::win32 {
namespace {

// A fresh folder whose name has blanks.
class FilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Beside the test program: the build tree is writable wherever it runs.
        dir_ = files_.ExecutableDirectory() + u"\\ruvo files test " +
               FromWide(std::to_wstring(::GetCurrentProcessId()));
        ASSERT_TRUE(::CreateDirectoryW(ToWide(dir_).c_str(), nullptr)) << ::GetLastError();
    }
    void TearDown() override {
        for (const std::u16string& name : created_) {
            ::DeleteFileW(ToWide(name).c_str());
        }
        ::RemoveDirectoryW(ToWide(dir_ + u"\\sub dir").c_str());
        if (!japanese_.empty()) {
            ::RemoveDirectoryW(ToWide(japanese_).c_str());
        }
        ::RemoveDirectoryW(ToWide(dir_).c_str());
    }

    std::u16string Path(const std::u16string& name) {
        created_.push_back(dir_ + u"\\" + name);
        return created_.back();
    }

    static ErrorNumber FailureOf(const std::function<void()>& action, std::u16string* text) {
        try {
            action();
        } catch (const RuntimeError& error) {
            *text = error.Text();
            return error.Number();
        }
        return ErrorNumber{};
    }

    Win32Files files_;
    std::u16string dir_;
    std::u16string japanese_;
    std::vector<std::u16string> created_;
};

TEST_F(FilesTest, WritesAndReadsBackUnderAJapanesePathWithBlanks) {
    const std::u16string japanese = dir_ + u"\\縦書き テスト";
    if (!::CreateDirectoryW(ToWide(japanese).c_str(), nullptr)) {
        // Wine maps names to the host's locale; without a Japanese one it
        // cannot store this name at all.
        GTEST_SKIP() << "the host file system cannot hold a Japanese name here";
    }
    japanese_ = japanese;
    const std::u16string path = japanese + u"\\設定 ファイル.ini";
    created_.push_back(path);
    const std::string bytes = "\"MS Mincho\",12,1350,8550,1\r\n\x82\xa0";
    files_.WriteAll(path, bytes);
    EXPECT_EQ(files_.ReadAll(path), bytes);

    files_.WriteAll(path, "short");
    EXPECT_EQ(files_.ReadAll(path), "short") << "a rewrite must not leave the old tail";
}

TEST_F(FilesTest, ReadingAMissingFileNamesThePath) {
    const std::u16string path = Path(u"無い.ini");
    std::u16string text;
    EXPECT_EQ(FailureOf([&] { files_.ReadAll(path); }, &text), ErrorNumber::FileNotFound);
    EXPECT_NE(text.find(path), std::u16string::npos);
}

TEST_F(FilesTest, AFailedWriteLeavesTheTargetIntact) {
    const std::u16string target = Path(u"Ruvo.ini");
    files_.WriteAll(target, "old");
    std::u16string text;

    const std::u16string inMissingFolder = dir_ + u"\\無い\\Ruvo.tmp";
    EXPECT_EQ(FailureOf([&] { files_.WriteAll(inMissingFolder, "new"); }, &text),
              ErrorNumber::FileNotFound);
    EXPECT_NE(text.find(inMissingFolder), std::u16string::npos);

    const std::u16string directory = dir_ + u"\\sub dir";
    ASSERT_TRUE(::CreateDirectoryW(ToWide(directory).c_str(), nullptr));
    EXPECT_EQ(FailureOf([&] { files_.WriteAll(directory, "new"); }, &text),
              ErrorNumber::PermissionDenied);

    EXPECT_NE(FailureOf([&] { files_.Replace(Path(u"never written.tmp"), target); }, &text),
              ErrorNumber{});
    EXPECT_EQ(files_.ReadAll(target), "old");
}

TEST_F(FilesTest, ReplacePutsTheNewFileInPlaceOfTheOld) {
    const std::u16string target = Path(u"Ruvo.ini");
    const std::u16string temporary = Path(u"Ruvo.ini.tmp");
    files_.WriteAll(target, "old");
    files_.WriteAll(temporary, "new");
    files_.Replace(temporary, target);
    EXPECT_EQ(files_.ReadAll(target), "new");
    EXPECT_TRUE(files_.Exists(target));
    EXPECT_FALSE(files_.Exists(temporary));
    EXPECT_FALSE(files_.Exists(dir_)) << "a folder is no file";

    files_.Remove(target);
    files_.Remove(target);  // a second time: nothing there, and no failure
    EXPECT_FALSE(files_.Exists(target));
}

TEST_F(FilesTest, ExecutableDirectoryHoldsThisProgramWithoutATrailingBackslash) {
    const std::u16string dir = files_.ExecutableDirectory();
    ASSERT_GE(dir.size(), 3U);
    EXPECT_NE(dir.back(), u'\\');
    wchar_t module[MAX_PATH * 4];
    const DWORD length = ::GetModuleFileNameW(nullptr, module, MAX_PATH * 4);
    const std::u16string exe = FromWide(std::wstring_view(module, length));
    EXPECT_EQ(exe.substr(0, dir.size() + 1), dir + u"\\");
    EXPECT_EQ(exe.find(u'\\', dir.size() + 1), std::u16string::npos);
}

TEST_F(FilesTest, AnsiRoundTripUnderCodePage932) {
    if (::GetACP() != 932) {
        GTEST_SKIP() << "the ANSI code page is " << ::GetACP() << ", not 932";
    }
    struct Case {
        std::u16string text;
        std::string bytes;
    };
    for (const Case& c : {Case{u"ＭＳ 明朝", "\x82\x6C\x82\x72\x20\x96\xBE\x92\xA9"},
                          Case{u"MS Mincho", "MS Mincho"}, Case{u"ｱ", "\xB1"}, Case{u"", ""}}) {
        EXPECT_EQ(files_.ToAnsi(c.text), c.bytes);
        EXPECT_EQ(files_.FromAnsi(c.bytes), c.text);
    }
}

}  // namespace
}  // namespace ruvo::win32
