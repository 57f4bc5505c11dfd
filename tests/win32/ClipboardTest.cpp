#include <gtest/gtest.h>

#include <cstring>
#include <thread>

#include "platform/Error.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32.h"
#include "platform/win32/Win32Clipboard.h"

namespace ruvo::win32 {
namespace {

// Puts a block of UTF-16 units on the clipboard exactly as given: with or
// without a terminating NUL.
void PutUnits(std::u16string_view units) {
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    if (!units.empty()) {
        HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, units.size() * sizeof(char16_t));
        ASSERT_NE(memory, nullptr);
        std::memcpy(::GlobalLock(memory), units.data(), units.size() * sizeof(char16_t));
        ::GlobalUnlock(memory);
        ASSERT_NE(::SetClipboardData(CF_UNICODETEXT, memory), nullptr);
    }
    ::CloseClipboard();
}

TEST(ClipboardTest, ReadsBackTheUnicodeTextThatWasPut) {
    struct Case {
        std::u16string put;
        std::u16string read;
    };
    const std::u16string surrogatePair = u"\U00020BB7野家";
    for (const Case& c : {Case{std::u16string(u"縦書き\r\nテスト") + u'\0', u"縦書き\r\nテスト"},
                          Case{surrogatePair + u'\0', surrogatePair},
                          Case{std::u16string(u"abc\0def", 7), u"abc"}, Case{u"", u""}}) {
        PutUnits(c.put);
        EXPECT_EQ(Win32Clipboard().GetText(), c.read);
    }
}

TEST(ClipboardTest, TextWithoutItsNulEndsWithTheBlock) {
    PutUnits(u"abc");
    const std::u16string text = Win32Clipboard().GetText();
    // Nothing past the block is read (Wine itself may drop the last unit).
    EXPECT_TRUE(std::u16string_view(u"abc").starts_with(text)) << text.size();
}

TEST(ClipboardTest, AClipboardHeldOpenElsewhereIsBusyNotACrash) {
    PutUnits(std::u16string(u"x") + u'\0');
    HANDLE opened = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&] {
        // Owned by a window of its own, as another program's would be.
        HWND owner = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                       nullptr, nullptr);
        const BOOL open = ::OpenClipboard(owner);
        ::SetEvent(opened);
        ::WaitForSingleObject(release, INFINITE);
        if (open) {
            ::CloseClipboard();
        }
        ::DestroyWindow(owner);
    });
    ::WaitForSingleObject(opened, INFINITE);
    try {
        Win32Clipboard().GetText();
        ADD_FAILURE() << "read a clipboard another thread holds open";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), ErrorNumber::ClipboardBusy);
    }
    ::SetEvent(release);
    holder.join();
    ::CloseHandle(opened);
    ::CloseHandle(release);
    EXPECT_EQ(Win32Clipboard().GetText(), u"x");
}

}  // namespace
}  // namespace ruvo::win32
