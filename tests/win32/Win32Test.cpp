// The Windows layer tested for real under Wine: twips and pixels, the window,
// Ruvo.ini's file and the clipboard.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <future>
#include <string>
#include <tuple>
#include <vector>

#include "app/MenuTree.h"
#include "platform/Error.h"
#include "platform/win32/Twips.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Surface.h"
#include "platform/win32/Win32Window.h"

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

using platform::MenuItem;

struct WindowTest : ::testing::Test {
    // Whether any pixel of the back buffer in the area differs from the background.
    bool HasInk(const RECT& area) {
        HDC dc = window_.BufferDc();
        bool ink = false;
        for (LONG y = area.top; y < area.bottom; ++y) {
            for (LONG x = area.left; x < area.right; ++x) {
                ink = ink || ::GetPixel(dc, x, y) != ::GetSysColor(COLOR_WINDOW);
            }
        }
        return ink;
    }

    Win32Window window_{::GetModuleHandleW(nullptr), kMenuTree};
};

// Twips keep their length on a monitor of another scale: the window takes the
// rectangle the system suggests there, a size set is whole pixels (15 twips each
// at 96 dpi, 10 at 144, where 217.5 pixels are 218), a narrow one not widened to
// the platform's minimum, and drawing lands at the scale's pixels. Growing the
// window keeps what the buffer holds; the second place lies in the part it grew
// by, so ink there before the character is a grown part not cleared to the
// background.
TEST_F(WindowTest, TwipsFollowTheMonitorsScaleAndTheBufferKeepsTheDrawingAsItGrows) {
    using Case = std::tuple<WORD, float, float, float, float>;  // dpi, twips set, read back
    for (const auto& [dpi, width, height, readWidth, readHeight] :
         {Case{96, 900, 2175, 900, 2175}, Case{144, 600, 2175, 600, 2180}}) {
        RECT suggested{100, 50, 235, 650}, outer{};
        ::SendMessageW(window_.Hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                       reinterpret_cast<LPARAM>(&suggested));
        ::GetWindowRect(window_.Hwnd(), &outer);
        EXPECT_TRUE(::EqualRect(&outer, &suggested)) << dpi << " dpi";
        EXPECT_FLOAT_EQ(window_.TwipsPerPixel(), 1440.0F / dpi);
        window_.SetWidth(width);
        window_.SetHeight(height);
        EXPECT_EQ(std::pair(window_.Width(), window_.Height()), std::pair(readWidth, readHeight))
            << dpi << " dpi";
    }
    platform::Surface& surface = window_.ClientSurface();
    const platform::Font font{u"MS Mincho", 240};
    surface.Text(font, 300, 300, u"あ");
    EXPECT_FALSE(HasInk(RECT{0, 0, 30, 100}) || HasInk(RECT{0, 0, 100, 30})) << "ink before 30,30";
    window_.SetWidth(6000);
    EXPECT_TRUE(HasInk(RECT{30, 30, 70, 70})) << "no character at 30,30 after growing";
    EXPECT_FALSE(HasInk(RECT{295, 25, 360, 70})) << "the grown part is not cleared";
    surface.Text(font, 3000, 300, u"い");  // 300 pixels, past the old buffer's edge
    EXPECT_TRUE(HasInk(RECT{295, 25, 360, 70})) << "no ink in the grown part";
}

// A font's height is its size in pixels at the resolution, halves to even; a
// vertical font is the "@" face turned a quarter clockwise; a narrowed one is
// that fraction of its height wide, at least a pixel.
TEST(SurfaceTest, LogicalFontsAtTheResolution) {
    using Case = std::tuple<double, float, bool, double, LONG, LONG>;  // twips, twips a pixel
    for (const auto& [size, resolution, vertical, width, height, pixels] :
         {Case{180, 15, true, 0, -12, 0}, Case{200, 15, true, 0, -13, 0},
          Case{220, 15, false, 0, -15, 0}, Case{180, 8, true, 0, -22, 0},
          Case{220, 8, true, 0, -28, 0}, Case{2147483640, 15, true, 0, -143165576, 0},
          Case{200, 15, false, 0.5, -13, 6}, Case{200, 15, false, 0.01, -13, 1}}) {
        const LOGFONTW font = LogicalFont({u"MS Mincho", size, vertical, width}, resolution);
        EXPECT_EQ(
            std::tuple(font.lfHeight, font.lfWidth, font.lfEscapement, font.lfOrientation,
                       font.lfCharSet, std::wstring(font.lfFaceName)),
            std::tuple(height, pixels, vertical ? 2700 : 0, vertical ? 2700 : 0,
                       BYTE{DEFAULT_CHARSET}, std::wstring(vertical ? L"@" : L"") + L"MS Mincho"))
            << size << " at " << resolution;
    }
}

// A surface makes each font once and, when it goes, gives the device context
// its own font back and deletes every font it made.
TEST(SurfaceTest, GivesTheContextItsFontBackAndDeletesItsFonts) {
    UniqueDc dc(::CreateCompatibleDC(nullptr));
    const HGDIOBJ own = ::GetCurrentObject(dc.get(), OBJ_FONT);
    std::vector<HGDIOBJ> made;
    {
        GdiSurface surface(dc.get(), {}, {10, 10}, RGB(255, 255, 255), 0);
        for (const double size : {200.0, 300.0, 200.0}) {
            EXPECT_GT(surface.Measure({u"MS Mincho", size, true}, u"あ").advance, 0);
            made.push_back(::GetCurrentObject(dc.get(), OBJ_FONT));
        }
        EXPECT_NE(made[0], made[1]);
        EXPECT_EQ(made[0], made[2]) << "the same font made twice";
    }
    EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_FONT), own);
    EXPECT_EQ(::GetObjectType(made[0]) + ::GetObjectType(made[1]), 0U) << "a font left";
}

// The view draws with "@" faces, turned for vertical writing; Wine draws the
// caption's buttons with Marlett ("r" closes), or as "0 1 r" in another face.
TEST_F(WindowTest, EachFaceIsThereAndMeasuresWhatItDraws) {
    using Case = std::tuple<std::u16string, std::uint32_t, std::u16string>;
    for (const auto& [face, charSet, text] :
         {Case{u"@MS Mincho", SHIFTJIS_CHARSET, u"あ"}, Case{u"Marlett", SYMBOL_CHARSET, u"r"}}) {
        UniqueFont font(
            ::CreateFontW(-16, 0, 0, 0, 0, 0, 0, 0, charSet, 0, 0, 0, 0, ToWide(face).c_str()));
        SelectionGuard selected(window_.BufferDc(), font.get());
        wchar_t chosen[LF_FACESIZE] = {};
        ::GetTextFaceW(window_.BufferDc(), LF_FACESIZE, chosen);
        EXPECT_EQ(FromWide(chosen), face) << "the font mapper chose another face";
        SIZE extent{};
        ::GetTextExtentPoint32W(window_.BufferDc(), ToWide(text).c_str(), 1, &extent);
        EXPECT_GT(extent.cx, 0);
    }
}

// 書式 holds ファイルを開く, a separator, フォント, the drop-down フレームサイズ (固定, 可変),
// 折り返し, the drop-down 1行の字数 (four items with radio bullets), ルビ, 原稿用紙,
// 自動更新, the three picture and print items (greyed), a separator, ヘルプ, a
// separator and 終了.
TEST_F(WindowTest, TheMenuBarCarriesTheTreeAndItsCheckMarks) {
    HMENU bar = ::GetMenu(window_.Hwnd()), format = ::GetSubMenu(bar, 0);
    ASSERT_EQ(::GetMenuItemCount(bar), 1);
    wchar_t caption[64] = {};
    ::GetMenuStringW(bar, 0, caption, 64, MF_BYPOSITION);
    EXPECT_EQ(FromWide(caption), u"書式(&O)");
    EXPECT_EQ(::GetMenuItemCount(format), 16);
    EXPECT_EQ(::GetMenuState(format, 12, MF_BYPOSITION) & MF_SEPARATOR, UINT{MF_SEPARATOR});
    EXPECT_EQ(::GetMenuState(format, 11, MF_BYPOSITION) & MF_GRAYED, UINT{MF_GRAYED});
    EXPECT_EQ(::GetMenuItemCount(::GetSubMenu(format, 3)), 2);
    EXPECT_EQ(::GetMenuItemCount(::GetSubMenu(format, 5)), 4);
    MENUITEMINFOW radio{};
    radio.cbSize = sizeof radio;
    radio.fMask = MIIM_FTYPE;
    ::GetMenuItemInfoW(bar, static_cast<UINT>(MenuItem::Length20), FALSE, &radio);
    EXPECT_EQ(radio.fType & MFT_RADIOCHECK, UINT{MFT_RADIOCHECK});

    const auto checked = [bar](MenuItem item) {
        return (::GetMenuState(bar, static_cast<UINT>(item), MF_BYCOMMAND) & MF_CHECKED) != 0;
    };
    EXPECT_TRUE(checked(MenuItem::FixedSize) && !checked(MenuItem::VariableSize));
    window_.SetMenuChecked(MenuItem::VariableSize, true);
    window_.SetMenuChecked(MenuItem::FixedSize, false);
    EXPECT_TRUE(checked(MenuItem::VariableSize) && !checked(MenuItem::FixedSize));
}

// At its smallest width a window whose menu bar is wider than the system's
// smallest window still shows that bar's item whole, on one row.
TEST(SmallestWidthTest, KeepsAWideMenuBarWhole) {
    const platform::MenuEntry wide[] = {{MenuItem::Format, MenuItem::None,
                                         u"縦書きで表示するための書式(&O)",
                                         platform::MenuKind::DropDown, false}};
    Win32Window window(::GetModuleHandleW(nullptr), wide);
    const auto itemRight = [&] {
        RECT item{}, outer{};
        ::GetMenuItemRect(window.Hwnd(), ::GetMenu(window.Hwnd()), 0, &item);
        ::GetWindowRect(window.Hwnd(), &outer);
        return item.right - outer.left;
    };
    window.SetWidth(30000);
    const LONG whole = itemRight();
    window.SetWidth(window.SmallestWidth());
    EXPECT_GT(window.SmallestWidth(), PixelsToTwips(::GetSystemMetrics(SM_CXMIN), 15));
    EXPECT_EQ(itemRight(), whole);
    EXPECT_EQ(window.ScrollBarBreadth(platform::ScrollBar::Vertical),
              PixelsToTwips(::GetSystemMetrics(SM_CXVSCROLL), 15));
}

struct Events : WindowEvents {
    MOCK_METHOD(void, Load, (), (noexcept, override));
    MOCK_METHOD(void, Click, (), (noexcept, override));
    MOCK_METHOD(void, Command, (MenuItem), (noexcept, override));
    MOCK_METHOD(void, KeyDown, (platform::Key), (noexcept, override));
    MOCK_METHOD(void, MouseWheel, (platform::Wheel, std::int32_t), (noexcept, override));
    MOCK_METHOD(void, Scroll, (platform::ScrollBar, platform::ScrollRequest, std::int32_t),
                (noexcept, override));
    MOCK_METHOD(void, Resize, (), (noexcept, override));
    MOCK_METHOD(void, ClipboardChange, (), (noexcept, override));
    MOCK_METHOD(void, FileDropped, (const std::u16string&), (noexcept, override));
    MOCK_METHOD(void, Unload, (), (noexcept, override));
};

// The input waits in the queue while the load handler runs, then reaches the
// handlers one by one; a close ends the loop, the window still there for Unload.
// Nothing reaches a handler from the drop-down 書式 chosen, a button going up
// that never went down, one released off the client area, F1, the first half
// of a notch (the second adds up to one) or the end of a scroll. With Ctrl
// held, +, - and 0 of either block are keys of their own. Changes of
// the clipboard are one event once they have settled and the handler that
// was running then has finished.
TEST_F(WindowTest, InputReachesTheHandlersOneByOneAndCloseEndsTheLoop) {
    using Input = std::tuple<UINT, WPARAM, LPARAM>;
    const Input down{WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20)};
    const Input up{WM_LBUTTONUP, 0, MAKELPARAM(20, 20)};
    const Input halfNotch{WM_MOUSEHWHEEL, MAKEWPARAM(0, WHEEL_DELTA / 2), 0};
    const Input change{WM_CLIPBOARDUPDATE, 0, 0};
    std::array<BYTE, 256> keys{};
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys.data());
    const Input halfCtrlNotch{WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WHEEL_DELTA / 2), 0};
    for (const Input& input : {Input{WM_KEYDOWN, VK_F5, 0}, Input{WM_KEYDOWN, VK_ESCAPE, 0},
                               Input{WM_KEYDOWN, VK_OEM_PLUS, 0}, Input{WM_KEYDOWN, VK_SUBTRACT, 0},
                               Input{WM_KEYDOWN, VK_NUMPAD0, 0}, halfCtrlNotch, halfCtrlNotch}) {
        ::PostMessageW(window_.Hwnd(), std::get<0>(input), std::get<1>(input), std::get<2>(input));
    }
    for (const auto& [message, wParam, lParam] :
         {change, down, change, up, change,
          Input{WM_COMMAND, static_cast<WPARAM>(MenuItem::VariableSize), 0},
          Input{WM_COMMAND, static_cast<WPARAM>(MenuItem::Format), 0}, up, down,
          Input{WM_LBUTTONUP, 0, MAKELPARAM(20, 30000)}, Input{WM_KEYDOWN, VK_NEXT, 0},
          Input{WM_KEYDOWN, VK_F1, 0},
          Input{WM_MOUSEWHEEL, MAKEWPARAM(MK_SHIFT, static_cast<WORD>(-2 * WHEEL_DELTA)), 0},
          halfNotch, halfNotch, Input{WM_HSCROLL, SB_LINELEFT, 0},
          Input{WM_VSCROLL, SB_ENDSCROLL, 0}, Input{WM_CLOSE, 0, 0}}) {
        ::PostMessageW(window_.Hwnd(), message, wParam, lParam);
    }
    ::testing::NiceMock<Events> events;  // Resize, from the system's own sizing, is not heard
    ::testing::InSequence order;
    EXPECT_CALL(events, Load());
    for (const platform::Key key :
         {platform::Key::F5, platform::Key::Escape, platform::Key::CtrlPlus,
          platform::Key::CtrlMinus, platform::Key::CtrlZero}) {
        EXPECT_CALL(events, KeyDown(key));
    }
    EXPECT_CALL(events, MouseWheel(platform::Wheel::VerticalWithCtrl, 1));
    EXPECT_CALL(events, Click());
    EXPECT_CALL(events, Command(MenuItem::VariableSize)).WillOnce([this] {
        MSG timer{};  // a chooser's modal loop runs the window's timers
        for (int wait = 0;
             wait < 100 && !::PeekMessageW(&timer, window_.Hwnd(), WM_TIMER, WM_TIMER, PM_REMOVE);
             ++wait) {
            ::Sleep(10);
        }
        ::DispatchMessageW(&timer);
    });
    EXPECT_CALL(events, ClipboardChange());
    EXPECT_CALL(events, KeyDown(platform::Key::PageDown));
    EXPECT_CALL(events, MouseWheel(platform::Wheel::VerticalWithShift, -2));
    EXPECT_CALL(events, MouseWheel(platform::Wheel::Horizontal, 1));
    EXPECT_CALL(events, Scroll(platform::ScrollBar::Horizontal, platform::ScrollRequest::LineLess,
                               ::testing::_));
    EXPECT_CALL(events, Unload()).WillOnce([this] { EXPECT_TRUE(::IsWindow(window_.Hwnd())); });
    EXPECT_EQ(window_.Run(events), 0);
    EXPECT_FALSE(::IsWindow(window_.Hwnd()));
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys.data());
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

    // Read for display: what stood in the way; Shift_JIS as the system
    // converts it, nothing for a character it has none for.
    EXPECT_EQ(files.ReadUpTo(target, 4).problem, platform::ReadProblem::TooLarge);
    EXPECT_EQ(files.ReadUpTo(dir, 9).problem, platform::ReadProblem::Folder);
    EXPECT_EQ(files.FromShiftJis("\x88\xEA\xB1\xDF"), u"一ｱﾟ");
    EXPECT_EQ(files.FromShiftJis("\x88\xEA\x85\x40"), std::nullopt);
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
