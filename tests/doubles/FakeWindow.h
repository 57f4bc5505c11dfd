#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "doubles/Text.h"
#include "platform/Error.h"
#include "platform/Window.h"

namespace ruvo::test {

// The main window as the core sees it, without a screen. It keeps the state
// the core reads back (size, drawing position, check marks, the selected
// font, scroll bars) and logs every call that changes something, in order,
// in `calls`, e.g. "SetWidth(705)".
class FakeWindow : public platform::Window {
  public:
    static constexpr platform::Handle kDefaultFont = 0x100;
    static constexpr float kMenuRow = 300;    // a wrapped menu bar's second row
    static constexpr float kScrollBar = 255;  // a shown bar's breadth
    using Bar = platform::ScrollBar;

    struct Output {
        float x;
        float y;
        std::u16string text;
    };

    float width = 1350;  // outer size, twips
    float height = 8550;
    float frameWidth = 120;  // outer minus client area, twips
    float frameHeight = 840;
    float menuWrapWidth = 0;  // narrower outer widths wrap the menu bar
    float availableWidth = 15360;
    float availableHeight = 11520;
    float currentX = 0;
    float currentY = 0;
    float twipsPerPixel = 15;
    // A string measures charWidth per UTF-16 unit and charHeight high.
    float charWidth = 195;
    float charHeight = 195;
    std::map<Bar, platform::ScrollBarState> scrollBars;
    platform::Handle selectedFont = kDefaultFont;
    std::map<platform::MenuItem, bool> checked;
    bool ended = false;
    std::vector<RuntimeError> reports;
    std::vector<std::u16string> messages;
    std::vector<Output> outputs;
    std::vector<platform::FontRequest> fontsCreated;
    std::vector<platform::Handle> fontsDeleted;
    std::vector<std::string> calls;
    // Called with a call's name before it acts; throw from it to fail the call.
    std::function<void(const std::string& call)> onCall;

    platform::Handle WindowHandle() override { return 0x1234; }
    platform::Handle DeviceContext() override { return 0x5678; }
    float Width() override { return width; }
    void SetWidth(float twips) override {
        Record("SetWidth", Num(twips));
        width = twips;
    }
    float Height() override { return height; }
    void SetHeight(float twips) override {
        Record("SetHeight", Num(twips));
        height = twips;
    }
    float ScaleWidth() override { return width - frameWidth - Breadth(Bar::Vertical); }
    float ScaleHeight() override {
        return height - frameHeight - (width < menuWrapWidth ? kMenuRow : 0) -
               Breadth(Bar::Horizontal);
    }
    float AvailableWidth() override { return availableWidth; }
    float AvailableHeight() override { return availableHeight; }
    float CurrentX() override { return currentX; }
    void SetCurrentX(float twips) override { currentX = twips; }
    float CurrentY() override { return currentY; }
    void SetCurrentY(float twips) override { currentY = twips; }
    void Cls() override {
        Record("Cls");
        outputs.clear();
    }
    void Print(std::u16string_view text) override;
    float TextWidth(std::u16string_view text) override {
        return charWidth * static_cast<float>(text.size());
    }
    float TextHeight(std::u16string_view) override { return charHeight; }
    float TwipsPerPixelX() override { return twipsPerPixel; }
    void SetScrollBar(Bar bar, const platform::ScrollBarState& state) override {
        scrollBars[bar] = state;
    }
    void SetMenuChecked(platform::MenuItem item, bool on) override;
    void End() override {
        Record("End");
        ended = true;
    }
    void ReportError(const RuntimeError& error) override;
    void ShowMessage(std::u16string_view text) override {
        Record("ShowMessage");
        messages.emplace_back(text);
    }
    void SetWindowPos(platform::Handle window, platform::Handle insertAfter, std::int32_t x,
                      std::int32_t y, std::int32_t cx, std::int32_t cy,
                      std::uint32_t flags) override;
    platform::Handle CreateFont(const platform::FontRequest& request) override;
    platform::Handle SelectObject(platform::Handle deviceContext, platform::Handle object) override;
    void DeleteObject(platform::Handle object) override {
        Record("DeleteObject", std::to_string(object));
        fontsDeleted.push_back(object);
    }

  private:
    float Breadth(Bar bar) { return scrollBars[bar].visible ? kScrollBar : 0; }
    void Record(const std::string& name, const std::string& arguments = {});
};

}  // namespace ruvo::test
