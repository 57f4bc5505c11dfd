#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "app/MenuTree.h"
#include "platform/Error.h"
#include "platform/win32/Twips.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32.h"
#include "platform/win32/Win32Window.h"

namespace ruvo::win32 {
namespace {

using platform::MenuItem;

TEST(TwipsTest, PixelsAreTheNearestAtTheResolutionHalvesToEven) {
    // A resolution of 0, a device that reports none, counts as 96 dpi.
    using Case = std::tuple<float, int, int>;
    for (const auto& [twips, dpi, pixels] :
         {Case{1350, 96, 90}, Case{8550, 96, 570}, Case{1352, 96, 90}, Case{1358, 96, 91},
          Case{7.5F, 96, 0}, Case{22.5F, 96, 2}, Case{37.5F, 96, 2}, Case{-22.5F, 96, -2},
          Case{1350, 0, 90}, Case{1350, 120, 112}, Case{1350, 144, 135}, Case{1350, 192, 180}}) {
        EXPECT_EQ(TwipsToPixels(twips, TwipsPerPixel(dpi)), pixels) << twips << " at " << dpi;
    }
    EXPECT_THAT([] { TwipsToPixels(1e30F, 15); },
                ::testing::Throws<RuntimeError>(
                    ::testing::Property(&RuntimeError::Number, ErrorNumber::Overflow)));
}

struct WindowTest : ::testing::Test {
    // Moves the window to a monitor of that resolution as the system does: the
    // window takes the rectangle the system suggests at the new scale.
    void SetDpi(WORD dpi, RECT suggested) {
        ::SendMessageW(window_.Hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                       reinterpret_cast<LPARAM>(&suggested));
        RECT outer{};
        ::GetWindowRect(window_.Hwnd(), &outer);
        EXPECT_TRUE(::EqualRect(&outer, &suggested)) << dpi << " dpi";
    }

    // Whether any pixel of the back buffer in the area differs from the background.
    bool HasInk(const RECT& area) {
        const auto dc = reinterpret_cast<HDC>(window_.DeviceContext());
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

// Twips keep their length: a size set is whole pixels at the monitor's scale
// (15 twips each at 96 dpi, 10 at 144), a narrow one not widened to the
// platform's minimum.
TEST_F(WindowTest, OuterSizesInTwipsAreWholePixelsAtTheMonitorsScale) {
    using Case = std::tuple<WORD, float, float, float, float>;  // dpi, twips set, read back
    for (const auto& [dpi, width, height, readWidth, readHeight] :
         {Case{96, 1350, 8550, 1350, 8550}, Case{96, 900, 2175, 900, 2175},
          Case{96, 1352, 8558, 1350, 8565}, Case{144, 1800, 6000, 1800, 6000},
          Case{144, 600, 2175, 600, 2180}}) {
        SetDpi(dpi, RECT{100, 50, 235, 650});
        EXPECT_FLOAT_EQ(window_.TwipsPerPixelX(), 1440.0F / dpi);
        window_.SetWidth(width);
        window_.SetHeight(height);
        EXPECT_EQ(std::pair(window_.Width(), window_.Height()), std::pair(readWidth, readHeight))
            << dpi << " dpi";
    }
}

// At 144 dpi (10 twips a pixel), so that positions follow the window's scale.
TEST_F(WindowTest, TheBackBufferKeepsTheDrawingWhenTheWindowGrows) {
    SetDpi(144, RECT{0, 0, 135, 300});
    window_.SetCurrentX(300);
    window_.SetCurrentY(300);
    window_.Print(u"あ");
    EXPECT_FALSE(HasInk(RECT{0, 0, 30, 100}) || HasInk(RECT{0, 0, 100, 30})) << "ink before 30,30";
    EXPECT_TRUE(HasInk(RECT{30, 30, 70, 70}));

    window_.SetWidth(6000);
    window_.SetHeight(9000);
    EXPECT_TRUE(HasInk(RECT{30, 30, 70, 70})) << "growing the buffer lost the drawing";
    EXPECT_FALSE(HasInk(RECT{150, 300, 200, 350})) << "the new part is not background";

    window_.SetCurrentX(3000);  // 300 pixels, past the old buffer's edge
    window_.Print(u"\r\n");
    EXPECT_FALSE(HasInk(RECT{295, 25, 360, 70})) << "a line end drew ink";
    window_.Print(u"い");
    EXPECT_TRUE(HasInk(RECT{295, 25, 360, 70})) << "no ink in the grown part";
}

// The view draws with "@" faces, turned for vertical writing; Wine draws the
// caption's buttons with Marlett ("r" closes), or as "0 1 r" in another face.
TEST_F(WindowTest, EachFaceIsThereAndMeasuresWhatItDraws) {
    using Case = std::tuple<std::u16string, std::uint32_t, std::u16string>;
    for (const auto& [face, charSet, text] :
         {Case{u"@MS Mincho", SHIFTJIS_CHARSET, u"あ"}, Case{u"Marlett", SYMBOL_CHARSET, u"r"}}) {
        const platform::Handle font =
            window_.CreateFont({.height = -16, .charSet = charSet, .faceName = face});
        const platform::Handle previous = window_.SelectObject(window_.DeviceContext(), font);
        wchar_t chosen[LF_FACESIZE] = {};
        ::GetTextFaceW(reinterpret_cast<HDC>(window_.DeviceContext()), LF_FACESIZE, chosen);
        EXPECT_EQ(FromWide(chosen), face) << "the font mapper chose another face";
        EXPECT_GT(window_.TextWidth(text), 0);
        EXPECT_EQ(window_.SelectObject(window_.DeviceContext(), previous), font);
        window_.DeleteObject(font);
    }
}

TEST_F(WindowTest, TheMenuBarCarriesTheTreeAndItsCheckMarks) {
    HMENU bar = ::GetMenu(window_.Hwnd());
    ASSERT_EQ(::GetMenuItemCount(bar), 1);
    wchar_t caption[64] = {};
    ::GetMenuStringW(bar, 0, caption, 64, MF_BYPOSITION);
    EXPECT_EQ(FromWide(caption), u"書式(&O)");
    HMENU format = ::GetSubMenu(bar, 0);
    EXPECT_EQ(::GetMenuItemCount(format), 6);
    EXPECT_EQ(::GetMenuState(format, 2, MF_BYPOSITION) & MF_SEPARATOR, UINT{MF_SEPARATOR});
    EXPECT_EQ(::GetMenuItemCount(::GetSubMenu(format, 1)), 2);

    const auto checked = [bar](MenuItem item) {
        return (::GetMenuState(bar, static_cast<UINT>(item), MF_BYCOMMAND) & MF_CHECKED) != 0;
    };
    EXPECT_TRUE(checked(MenuItem::Hkotei) && !checked(MenuItem::Hkahen));
    window_.SetMenuChecked(MenuItem::Hkahen, true);
    window_.SetMenuChecked(MenuItem::Hkotei, false);
    EXPECT_TRUE(checked(MenuItem::Hkahen) && !checked(MenuItem::Hkotei));
}

class Events : public WindowEvents {
  public:
    MOCK_METHOD(void, Load, (), (noexcept, override));
    MOCK_METHOD(void, Click, (), (noexcept, override));
    MOCK_METHOD(void, Command, (MenuItem), (noexcept, override));
    MOCK_METHOD(void, KeyDown, (platform::Key), (noexcept, override));
    MOCK_METHOD(void, MouseWheel, (platform::Wheel, std::int32_t), (noexcept, override));
    MOCK_METHOD(void, Scroll, (platform::ScrollBar, platform::ScrollRequest, std::int32_t),
                (noexcept, override));
    MOCK_METHOD(void, Resize, (), (noexcept, override));
    MOCK_METHOD(void, Unload, (), (noexcept, override));
};

// The input waits in the queue while the load handler runs, then reaches the
// handlers one by one; a close ends the loop, the window still there for Unload.
TEST_F(WindowTest, InputReachesTheHandlersOneByOneAndCloseEndsTheLoop) {
    HWND hwnd = window_.Hwnd();
    const LPARAM inside = MAKELPARAM(20, 20);
    using Input = std::tuple<UINT, WPARAM, LPARAM>;
    for (const auto& [message, wParam, lParam] :
         {Input{WM_LBUTTONDOWN, MK_LBUTTON, inside}, Input{WM_LBUTTONUP, 0, inside},
          Input{WM_COMMAND, static_cast<WPARAM>(MenuItem::Hkahen), 0},
          Input{WM_COMMAND, static_cast<WPARAM>(MenuItem::Hyoji), 0},  // a drop-down: none
          Input{WM_LBUTTONUP, 0, inside},                              // no button went down
          Input{WM_LBUTTONDOWN, MK_LBUTTON, inside},
          Input{WM_LBUTTONUP, 0, MAKELPARAM(20, 30000)},  // released off the client area
          Input{WM_KEYDOWN, VK_NEXT, 0}, Input{WM_KEYDOWN, VK_F1, 0},  // F1 moves nothing
          Input{WM_MOUSEWHEEL, MAKEWPARAM(MK_SHIFT, static_cast<WORD>(-2 * WHEEL_DELTA)), inside},
          Input{WM_MOUSEHWHEEL, MAKEWPARAM(0, WHEEL_DELTA / 2), inside},  // halves add up
          Input{WM_MOUSEHWHEEL, MAKEWPARAM(0, WHEEL_DELTA / 2), inside},
          Input{WM_HSCROLL, SB_LINELEFT, 0}, Input{WM_VSCROLL, SB_ENDSCROLL, 0},  // moves nothing
          Input{WM_CLOSE, 0, 0}}) {
        ::PostMessageW(hwnd, message, wParam, lParam);
    }
    ::testing::NiceMock<Events> events;  // Resize, from the system's own sizing, is not heard
    ::testing::InSequence order;
    EXPECT_CALL(events, Load());
    EXPECT_CALL(events, Click());
    EXPECT_CALL(events, Command(MenuItem::Hkahen));
    EXPECT_CALL(events, KeyDown(platform::Key::PageDown));
    EXPECT_CALL(events, MouseWheel(platform::Wheel::VerticalWithShift, -2));
    EXPECT_CALL(events, MouseWheel(platform::Wheel::Horizontal, 1));
    EXPECT_CALL(events, Scroll(platform::ScrollBar::Horizontal, platform::ScrollRequest::LineLess,
                               ::testing::_));
    EXPECT_CALL(events, Unload()).WillOnce([hwnd] { EXPECT_TRUE(::IsWindow(hwnd)); });
    EXPECT_EQ(window_.Run(events), 0);
    EXPECT_FALSE(::IsWindow(hwnd));
}

}  // namespace
}  // namespace ruvo::win32
