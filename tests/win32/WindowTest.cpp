#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/MenuTree.h"
#include "platform/win32/Twips.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32.h"
#include "platform/win32/Win32Window.h"

namespace ruvo::win32 {
namespace {

using platform::MenuItem;

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (::GetDeviceCaps(WindowDc(nullptr).get(), LOGPIXELSX) != 96) {
            GTEST_SKIP() << "the sizes below are for a 96 dpi screen";
        }
    }

    // Whether any pixel of the back buffer in the rectangle differs from
    // the background colour.
    bool HasInk(const RECT& area) {
        const auto dc = reinterpret_cast<HDC>(window_.DeviceContext());
        const COLORREF background = ::GetSysColor(COLOR_WINDOW);
        for (LONG y = area.top; y < area.bottom; ++y) {
            for (LONG x = area.left; x < area.right; ++x) {
                if (::GetPixel(dc, x, y) != background) {
                    return true;
                }
            }
        }
        return false;
    }

    Win32Window window_{::GetModuleHandleW(nullptr), kMenuTree};
};

TEST_F(WindowTest, OuterSizeSetInTwipsReadsBackAndNarrowSizesAreNotWidened) {
    struct Case {
        float width;
        float height;
    };
    for (const Case& c : {Case{1350, 8550}, Case{900, 2175}, Case{3000, 6000}, Case{1352, 8558}}) {
        window_.SetWidth(c.width);
        window_.SetHeight(c.height);
        // Whole pixels at 15 twips each.
        EXPECT_FLOAT_EQ(window_.Width(),
                        15.0F * static_cast<float>(static_cast<int>(c.width / 15 + 0.5F)));
        EXPECT_FLOAT_EQ(window_.Height(),
                        15.0F * static_cast<float>(static_cast<int>(c.height / 15 + 0.5F)));
        RECT outer{};
        ::GetWindowRect(window_.Hwnd(), &outer);
        EXPECT_FLOAT_EQ(static_cast<float>(outer.right - outer.left) * 15, window_.Width());
        EXPECT_LT(window_.ScaleWidth(), window_.Width());
        EXPECT_LT(window_.ScaleHeight(), window_.Height());
    }
}

TEST_F(WindowTest, ThePrintedTextStaysInTheBackBufferWhenTheWindowGrows) {
    window_.SetWidth(1350);
    window_.SetHeight(3000);
    window_.Cls();
    EXPECT_FALSE(HasInk(RECT{0, 0, 60, 60}));

    window_.SetCurrentX(150);
    window_.SetCurrentY(150);
    window_.Print(u"あ");
    EXPECT_FLOAT_EQ(window_.CurrentY(), 150);
    EXPECT_TRUE(HasInk(RECT{10, 10, 40, 40}));

    window_.SetWidth(6000);
    window_.SetHeight(9000);
    EXPECT_TRUE(HasInk(RECT{10, 10, 40, 40})) << "growing the buffer lost the drawing";
    EXPECT_FALSE(HasInk(RECT{150, 300, 200, 350})) << "the new part is not background";

    window_.SetCurrentX(3000);
    window_.Print(u"\r");
    window_.Print(u"\n");
    EXPECT_FALSE(HasInk(RECT{195, 5, 260, 50})) << "a line end drew ink";
    window_.Print(u"い");
    EXPECT_TRUE(HasInk(RECT{195, 5, 260, 50})) << "no ink past the old buffer's edge";

    window_.Cls();
    EXPECT_FALSE(HasInk(RECT{10, 10, 40, 40}));
}

TEST_F(WindowTest, AVerticalFontMeasuresAFullWidthCharacter) {
    platform::FontRequest request;
    request.height = -16;
    request.escapement = 2700;
    request.orientation = 2700;
    request.weight = FW_NORMAL;
    request.charSet = SHIFTJIS_CHARSET;
    request.faceName = u"@MS Mincho";
    const platform::Handle font = window_.CreateFont(request);
    ASSERT_NE(font, 0);
    const platform::Handle dc = window_.DeviceContext();
    const platform::Handle previous = window_.SelectObject(dc, font);
    const float width = window_.TextWidth(u"あ");
    const float height = window_.TextHeight(u"あ");
    wchar_t face[LF_FACESIZE] = {};
    ::GetTextFaceW(reinterpret_cast<HDC>(dc), LF_FACESIZE, face);
    EXPECT_EQ(window_.SelectObject(dc, previous), font);
    window_.DeleteObject(font);

    EXPECT_GT(width, 0);
    EXPECT_GT(height, 0);
    EXPECT_EQ(static_cast<int>(width) % 15, 0) << "extents are whole pixels in twips";
    EXPECT_EQ(window_.TextWidth(u""), 0);
    EXPECT_EQ(face[0], L'@') << "no vertical face: " << FromWide(face).size();
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
    EXPECT_TRUE(checked(MenuItem::Hkotei));
    EXPECT_FALSE(checked(MenuItem::Hkahen));
    window_.SetMenuChecked(MenuItem::Hkahen, true);
    window_.SetMenuChecked(MenuItem::Hkotei, false);
    EXPECT_TRUE(checked(MenuItem::Hkahen));
    EXPECT_FALSE(checked(MenuItem::Hkotei));
}

TEST_F(WindowTest, AMonitorWithAnotherScaleGivesItsRectangleAndItsPixelsToWhatFollows) {
    struct Case {
        WORD dpi;
        float twipsPerPixel;
    };
    for (const Case& c : {Case{144, 10}, Case{96, 15}}) {
        RECT suggested{100, 50, 100 + 135, 50 + 600};
        ::SendMessageW(window_.Hwnd(), WM_DPICHANGED, MAKEWPARAM(c.dpi, c.dpi),
                       reinterpret_cast<LPARAM>(&suggested));
        RECT outer{};
        ::GetWindowRect(window_.Hwnd(), &outer);
        EXPECT_TRUE(::EqualRect(&outer, &suggested)) << c.dpi;
        EXPECT_FLOAT_EQ(window_.TwipsPerPixelX(), c.twipsPerPixel) << c.dpi;
        EXPECT_FLOAT_EQ(window_.Height(), 600 * c.twipsPerPixel) << c.dpi;

        window_.SetWidth(1800);
        ::GetWindowRect(window_.Hwnd(), &outer);
        EXPECT_FLOAT_EQ(static_cast<float>(outer.right - outer.left) * c.twipsPerPixel, 1800)
            << c.dpi;
        window_.Cls();
        window_.SetCurrentX(300);
        window_.SetCurrentY(300);
        window_.Print(u"あ");
        const LONG at = TwipsToPixels(300, c.twipsPerPixel);
        EXPECT_FALSE(HasInk(RECT{0, 0, at, 100}) || HasInk(RECT{0, 0, 100, at})) << c.dpi;
        EXPECT_TRUE(HasInk(RECT{at, at, at + 40, at + 40})) << c.dpi;
    }
}

// Records the events and, on load, queues the input of a short session.
class SessionEvents final : public WindowEvents {
  public:
    explicit SessionEvents(HWND window) : window_(window) {}

    void Load() noexcept override {
        log.push_back("Load");
        const LPARAM inside = MAKELPARAM(20, 20);
        const LPARAM outside = MAKELPARAM(20, 30000);
        ::PostMessageW(window_, WM_LBUTTONDOWN, MK_LBUTTON, inside);
        ::PostMessageW(window_, WM_LBUTTONUP, 0, inside);
        ::PostMessageW(window_, WM_COMMAND, static_cast<WPARAM>(MenuItem::Hkahen), 0);
        ::PostMessageW(window_, WM_COMMAND, static_cast<WPARAM>(MenuItem::Hyoji), 0);
        ::PostMessageW(window_, WM_LBUTTONUP, 0, inside);  // no button went down
        ::PostMessageW(window_, WM_LBUTTONDOWN, MK_LBUTTON, inside);
        ::PostMessageW(window_, WM_LBUTTONUP, 0, outside);  // released off the client area
        ::PostMessageW(window_, WM_COMMAND, static_cast<WPARAM>(MenuItem::Hend), 0);
        ::PostMessageW(window_, WM_KEYDOWN, VK_NEXT, 0);
        ::PostMessageW(window_, WM_KEYDOWN, VK_F1, 0);  // moves nothing
        ::PostMessageW(window_, WM_MOUSEWHEEL,
                       MAKEWPARAM(MK_SHIFT, static_cast<WORD>(-2 * WHEEL_DELTA)), inside);
        // Half notches add up to one.
        ::PostMessageW(window_, WM_MOUSEHWHEEL, MAKEWPARAM(0, WHEEL_DELTA / 2), inside);
        ::PostMessageW(window_, WM_MOUSEHWHEEL, MAKEWPARAM(0, WHEEL_DELTA / 2), inside);
        ::PostMessageW(window_, WM_HSCROLL, SB_LINELEFT, 0);
        ::PostMessageW(window_, WM_VSCROLL, SB_ENDSCROLL, 0);  // moves nothing
        ::PostMessageW(window_, WM_CLOSE, 0, 0);
    }
    void Click() noexcept override { log.push_back("Click"); }
    void Command(MenuItem item) noexcept override {
        log.push_back("Command " + std::to_string(static_cast<int>(item)));
    }
    void KeyDown(platform::Key key) noexcept override {
        log.push_back("Key " + std::to_string(static_cast<int>(key)));
    }
    void MouseWheel(platform::Wheel wheel, std::int32_t notches) noexcept override {
        log.push_back("Wheel " + std::to_string(static_cast<int>(wheel)) + " " +
                      std::to_string(notches));
    }
    void Scroll(platform::ScrollBar bar, platform::ScrollRequest request,
                std::int32_t) noexcept override {
        log.push_back("Scroll " + std::to_string(static_cast<int>(bar)) + " " +
                      std::to_string(static_cast<int>(request)));
    }
    void Resize() noexcept override {}
    void Unload() noexcept override {
        log.push_back("Unload");
        windowAliveAtUnload = ::IsWindow(window_) != FALSE;
    }

    std::vector<std::string> log;
    bool windowAliveAtUnload = false;

  private:
    HWND window_;
};

TEST_F(WindowTest, InputReachesTheHandlersOneByOneAndCloseEndsTheLoop) {
    HWND hwnd = window_.Hwnd();
    SessionEvents events(hwnd);
    EXPECT_EQ(window_.Run(events), 0);
    EXPECT_EQ(events.log,
              (std::vector<std::string>{"Load", "Click", "Command 5", "Command 9", "Key 5",
                                        "Wheel 1 -2", "Wheel 2 1", "Scroll 0 0", "Unload"}));
    EXPECT_TRUE(events.windowAliveAtUnload);
    EXPECT_FALSE(::IsWindow(hwnd));
}

}  // namespace
}  // namespace ruvo::win32
