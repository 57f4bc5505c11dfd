// What the window leans on: twips and pixels, Ruvo.ini's file and the clipboard.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <future>
#include <string>
#include <tuple>

#include "platform/Error.h"
#include "platform/win32/Twips.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32Files.h"

namespace ruvo::win32 {
namespace {

// Throws a RuntimeError of that number whose text names the path.
auto ThrowsError(ErrorNumber number, const std::u16string& path = {}) {
    const auto text = [](const RuntimeError& error) { return ToWide(error.Text()); };
    return ::testing::Throws<RuntimeError>(
        ::testing::AllOf(::testing::Property(&RuntimeError::Number, number),
                         ::testing::ResultOf(text, ::testing::HasSubstr(ToWide(path)))));
}

// 7.5, 22.5 and -22.5 twips are halves of a pixel at 96 dpi, 1350 one at 120;
// a resolution of 0, a device that reports none, counts as 96 dpi.
TEST(TwipsTest, PixelsAreTheNearestAtTheResolutionHalvesToEven) {
    using Case = std::tuple<float, int, int>;
    for (const auto& [twips, dpi, pixels] :
         {Case{1358, 96, 91}, Case{7.5F, 96, 0}, Case{22.5F, 96, 2}, Case{-22.5F, 96, -2},
          Case{1350, 0, 90}, Case{1350, 120, 112}}) {
        EXPECT_EQ(TwipsToPixels(twips, TwipsPerPixel(dpi)), pixels) << twips << " at " << dpi;
    }
    EXPECT_THAT([] { TwipsToPixels(1e30F, 15); }, ThrowsError(ErrorNumber::Overflow));
}

// Ruvo.ini's life: its line in the desktop's ANSI code page (932 in the tests'
// prefix), in a fresh folder beside this program (the build tree is writable
// wherever it runs) named in Japanese with blanks, as users' can be. A failure
// names the file concerned: for a replacement, the target.
TEST(FilesTest, ConvertsWritesReplacesAndFailsWithoutHarmToTheTarget) {
    Win32Files files;
    EXPECT_EQ(files.ToAnsi(u"ＭＳ 明朝"), "\x82\x6C\x82\x72\x20\x96\xBE\x92\xA9");
    EXPECT_EQ(files.FromAnsi("\x82\x6C\x82\x72\x20\x96\xBE\x92\xA9"), u"ＭＳ 明朝");

    const std::u16string dir = files.ExecutableDirectory() + u"\\設定 テスト";
    std::filesystem::create_directories(ToWide(dir));
    const std::u16string target = dir + u"\\Ruvo.ini", temporary = dir + u"\\Ruvo.tmp";
    const std::string bytes = "\"MS Mincho\",12,1350,8550,1\r\n\x82\xa0";
    files.WriteAll(target, "an old line, longer than the new one\r\n");
    files.WriteAll(temporary, bytes);
    files.Replace(temporary, target);
    EXPECT_EQ(files.ReadAll(target), bytes);
    // Only the target is there, and a folder is no file.
    EXPECT_TRUE(files.Exists(target) && !files.Exists(temporary) && !files.Exists(dir));
    files.WriteAll(target, "short");
    EXPECT_EQ(files.ReadAll(target), "short") << "a rewrite left the old tail";

    const std::u16string missing = dir + u"\\無い.ini", noFolder = dir + u"\\無い\\Ruvo.tmp";
    EXPECT_THAT([&] { files.ReadAll(missing); }, ThrowsError(ErrorNumber::FileNotFound, missing));
    EXPECT_THAT([&] { files.WriteAll(noFolder, ""); },
                ThrowsError(ErrorNumber::FileNotFound, noFolder));
    EXPECT_THAT([&] { files.WriteAll(dir, ""); }, ThrowsError(ErrorNumber::PermissionDenied, dir));
    EXPECT_THAT([&] { files.Replace(temporary, target); },
                ThrowsError(ErrorNumber::FileNotFound, target));
    EXPECT_EQ(files.ReadAll(target), "short") << "a failure harmed the target";
    std::filesystem::remove_all(ToWide(dir));
}

// A clipboard another program holds open for longer than a moment is busy, and
// the next read goes on: here on an empty clipboard, which holds no text. Text
// ends at its NUL; the block given to the clipboard goes on past it.
TEST(ClipboardTest, ReportsABusyClipboardAndReadsTheTextUpToItsNul) {
    HWND owner = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                   nullptr);
    ASSERT_TRUE(::OpenClipboard(owner) && ::EmptyClipboard());
    auto reader = std::async(std::launch::async, [] { return Win32Clipboard().GetText(); });
    EXPECT_THAT([&] { reader.get(); }, ThrowsError(ErrorNumber::ClipboardBusy));
    ::CloseClipboard();
    EXPECT_EQ(Win32Clipboard().GetText(), u"") << "the busy read left it open";

    const std::u16string text = u"\U00020BB7野家\r\n縦書き";  // a surrogate pair first
    const std::u16string units = text + u'\0' + u"def";
    ASSERT_TRUE(::OpenClipboard(owner) && ::EmptyClipboard());
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, units.size() * sizeof(char16_t));
    std::memcpy(::GlobalLock(memory), units.data(), units.size() * sizeof(char16_t));
    ::GlobalUnlock(memory);
    ASSERT_NE(::SetClipboardData(CF_UNICODETEXT, memory), nullptr);
    ::CloseClipboard();
    EXPECT_EQ(Win32Clipboard().GetText(), text);
    ::DestroyWindow(owner);
}

}  // namespace
}  // namespace ruvo::win32
