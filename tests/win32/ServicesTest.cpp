// The services beside the window: Ruvo.ini's file and the clipboard.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <future>
#include <string>
#include <tuple>

#include "platform/Error.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32Files.h"

namespace ruvo::win32 {
namespace {

// Ruvo.ini's life: its line in the desktop's ANSI code page (932 in the tests'
// prefix), in a fresh folder beside this program (the build tree is writable
// wherever it runs) named in Japanese with blanks, as users' can be.
TEST(FilesTest, ConvertsWritesReplacesAndFailsWithoutHarmToTheTarget) {
    Win32Files files;
    EXPECT_EQ(::GetACP(), 932U);
    using Text = std::tuple<std::u16string, std::string>;
    for (const auto& [text, bytes] :
         {Text{u"ＭＳ 明朝", "\x82\x6C\x82\x72\x20\x96\xBE\x92\xA9"},
          Text{u"MS Mincho", "MS Mincho"}, Text{u"ｱ", "\xB1"}, Text{u"", ""}}) {
        EXPECT_EQ(files.ToAnsi(text), bytes);
        EXPECT_EQ(files.FromAnsi(bytes), text);
    }

    const std::u16string dir = files.ExecutableDirectory() + u"\\設定 テスト";
    std::filesystem::remove_all(ToWide(dir));  // left by a run that failed half-way
    ASSERT_TRUE(std::filesystem::create_directory(ToWide(dir)));
    const std::u16string target = dir + u"\\Ruvo.ini";
    const std::u16string temporary = dir + u"\\Ruvo.ini.tmp";
    const std::string bytes = "\"MS Mincho\",12,1350,8550,1\r\n\x82\xa0";
    files.WriteAll(target, "an old line, longer than the new one\r\n");
    files.WriteAll(temporary, bytes);
    files.Replace(temporary, target);
    EXPECT_EQ(files.ReadAll(target), bytes);
    EXPECT_TRUE(files.Exists(target) && !files.Exists(temporary) && !files.Exists(dir))
        << "only the target is there, and a folder is no file";
    files.WriteAll(target, "short");
    EXPECT_EQ(files.ReadAll(target), "short") << "a rewrite left the old tail";

    using Case =
        std::tuple<const char*, std::u16string, std::function<void(std::u16string)>, ErrorNumber>;
    for (const auto& [what, path, action, number] :
         {Case{"reading a missing file", dir + u"\\無い.ini",
               [&](auto path) { files.ReadAll(path); }, ErrorNumber::FileNotFound},
          Case{"writing into a missing folder", dir + u"\\無い\\Ruvo.ini.tmp",
               [&](auto path) { files.WriteAll(path, "new"); }, ErrorNumber::FileNotFound},
          Case{"writing over a folder", dir, [&](auto path) { files.WriteAll(path, "new"); },
               ErrorNumber::PermissionDenied},
          Case{"replacing with a file never written", target,
               [&](auto path) { files.Replace(temporary, path); }, ErrorNumber::FileNotFound}}) {
        try {
            action(path);
            ADD_FAILURE() << what << " did not fail";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.Number(), number) << what;
            EXPECT_NE(error.Text().find(path), std::u16string::npos) << what << ": no file named";
        }
    }
    EXPECT_EQ(files.ReadAll(target), "short") << "a failure harmed the target";
    std::filesystem::remove_all(ToWide(dir));
}

// Puts a block of UTF-16 units on the clipboard exactly as given: with or
// without a terminating NUL.
void PutUnits(std::u16string_view units) {
    ASSERT_TRUE(::OpenClipboard(nullptr) && ::EmptyClipboard());
    if (!units.empty()) {
        HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, units.size() * sizeof(char16_t));
        std::memcpy(::GlobalLock(memory), units.data(), units.size() * sizeof(char16_t));
        ::GlobalUnlock(memory);
        ASSERT_NE(::SetClipboardData(CF_UNICODETEXT, memory), nullptr);
    }
    ::CloseClipboard();
}

// The text ends at its NUL; a clipboard another program holds open for longer
// than a moment is busy, and the next read goes on.
TEST(ClipboardTest, ReadsTheTextUpToItsNulOrReportsABusyClipboard) {
    using Case = std::tuple<std::u16string, std::u16string>;
    const std::u16string pair = u"\U00020BB7野家";  // a surrogate pair first
    for (const auto& [put, read] :
         {Case{u"", u""}, Case{std::u16string(u"abc\0def", 7), u"abc"}, Case{pair + u'\0', pair},
          Case{std::u16string(u"縦書き\r\nテスト") + u'\0', u"縦書き\r\nテスト"}}) {
        PutUnits(put);
        EXPECT_EQ(Win32Clipboard().GetText(), read);
    }
    HWND owner = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                   nullptr);
    ASSERT_TRUE(::OpenClipboard(owner));
    auto reader = std::async(std::launch::async, [] { return Win32Clipboard().GetText(); });
    reader.wait();
    ::CloseClipboard();
    ::DestroyWindow(owner);
    EXPECT_THAT([&] { reader.get(); }, ::testing::Throws<RuntimeError>(::testing::Property(
                                           &RuntimeError::Number, ErrorNumber::ClipboardBusy)));
    EXPECT_EQ(Win32Clipboard().GetText(), u"縦書き\r\nテスト") << "the busy read left it open";
}

}  // namespace
}  // namespace ruvo::win32
