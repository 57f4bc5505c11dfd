#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/Error.h"
#include "platform/Window.h"

namespace ruvo::test {

// The main window as the core sees it, without a screen. It keeps the state
// the core reads back (size, drawing position, check marks, the selected
// font) and records every call that changes something, in order, in `calls`.
class FakeWindow : public platform::Window {
  public:
    static constexpr platform::Handle kWindowHandle = 0x1234;
    static constexpr platform::Handle kDeviceContext = 0x5678;
    static constexpr platform::Handle kDefaultFont = 0x100;
    static constexpr float kMenuRow = 300;
    static constexpr float kScrollBar = 255;  // a shown bar's breadth

    struct Output {
        float x;
        float y;
        std::u16string text;
    };

    // --- state the tests set or inspect ---
    float width = 1350;  // outer size, twips
    float height = 8550;
    float frameWidth = 120;  // outer minus client area, twips
    float frameHeight = 840;
    float menuWrapWidth = 0;       // narrower outer widths wrap the menu bar onto a second row
    float availableWidth = 15360;  // room to the work area's edges
    float availableHeight = 11520;
    float currentX = 0;
    float currentY = 0;
    float twipsPerPixel = 15;
    // Extent of one character of the measuring font; a string measures
    // charWidth per UTF-16 unit and charHeight high.
    float charWidth = 195;
    float charHeight = 195;
    std::map<platform::ScrollBar, platform::ScrollBarState> scrollBars;
    platform::Handle selectedFont = kDefaultFont;
    std::map<platform::MenuItem, bool> checked;
    bool ended = false;
    std::vector<RuntimeError> reports;
    std::vector<std::u16string> messages;
    std::vector<Output> outputs;
    std::vector<platform::FontRequest> fontsCreated;
    std::vector<platform::Handle> fontsDeleted;
    std::vector<std::string> calls;
    // Called with each call's name (the part of its log entry before "(")
    // before the call acts; a test throws from it to make that call fail.
    std::function<void(const std::string& call)> onCall;

    // --- platform::Window ---
    platform::Handle WindowHandle() override;
    platform::Handle DeviceContext() override;
    float Width() override;
    void SetWidth(float twips) override;
    float Height() override;
    void SetHeight(float twips) override;
    float ScaleWidth() override;
    float ScaleHeight() override;
    float AvailableWidth() override;
    float AvailableHeight() override;
    float CurrentX() override;
    void SetCurrentX(float twips) override;
    float CurrentY() override;
    void SetCurrentY(float twips) override;
    void Cls() override;
    void Print(std::u16string_view text) override;
    float TextWidth(std::u16string_view text) override;
    float TextHeight(std::u16string_view text) override;
    float TwipsPerPixelX() override;
    void SetScrollBar(platform::ScrollBar bar, const platform::ScrollBarState& state) override;
    void SetMenuChecked(platform::MenuItem item, bool on) override;
    void End() override;
    void ReportError(const RuntimeError& error) override;
    void ShowMessage(std::u16string_view text) override;
    void SetWindowPos(platform::Handle window, platform::Handle insertAfter, std::int32_t x,
                      std::int32_t y, std::int32_t cx, std::int32_t cy,
                      std::uint32_t flags) override;
    platform::Handle CreateFont(const platform::FontRequest& request) override;
    platform::Handle SelectObject(platform::Handle deviceContext, platform::Handle object) override;
    void DeleteObject(platform::Handle object) override;

  private:
    void Record(const std::string& name, const std::string& arguments = {});
};

std::string MenuItemName(platform::MenuItem item);

}  // namespace ruvo::test
