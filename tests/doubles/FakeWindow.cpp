#include "doubles/FakeWindow.h"

#include "doubles/Text.h"

namespace ruvo::test {

std::string MenuItemName(platform::MenuItem item) {
    switch (item) {
        case platform::MenuItem::None:
            return "None";
        case platform::MenuItem::Hyoji:
            return "Hyoji";
        case platform::MenuItem::Hfont:
            return "Hfont";
        case platform::MenuItem::Hfsize:
            return "Hfsize";
        case platform::MenuItem::Hkotei:
            return "Hkotei";
        case platform::MenuItem::Hkahen:
            return "Hkahen";
        case platform::MenuItem::Hkubun1:
            return "Hkubun1";
        case platform::MenuItem::Hhelp:
            return "Hhelp";
        case platform::MenuItem::Hkubun2:
            return "Hkubun2";
        case platform::MenuItem::Hend:
            return "Hend";
    }
    return "?";
}

void FakeWindow::Record(const std::string& name, const std::string& arguments) {
    if (onCall) {
        onCall(name);
    }
    calls.push_back(name + "(" + arguments + ")");
}

platform::Handle FakeWindow::WindowHandle() {
    return kWindowHandle;
}
platform::Handle FakeWindow::DeviceContext() {
    return kDeviceContext;
}

float FakeWindow::Width() {
    return width;
}
void FakeWindow::SetWidth(float twips) {
    Record("SetWidth", Num(twips));
    width = twips;
}
float FakeWindow::Height() {
    return height;
}
void FakeWindow::SetHeight(float twips) {
    Record("SetHeight", Num(twips));
    height = twips;
}
float FakeWindow::ScaleWidth() {
    return width - frameWidth -
           (scrollBars[platform::ScrollBar::Vertical].visible ? kScrollBar : 0);
}
float FakeWindow::ScaleHeight() {
    return height - frameHeight - (width < menuWrapWidth ? kMenuRow : 0) -
           (scrollBars[platform::ScrollBar::Horizontal].visible ? kScrollBar : 0);
}

float FakeWindow::AvailableWidth() {
    return availableWidth;
}
float FakeWindow::AvailableHeight() {
    return availableHeight;
}

float FakeWindow::CurrentX() {
    return currentX;
}
void FakeWindow::SetCurrentX(float twips) {
    currentX = twips;
}
float FakeWindow::CurrentY() {
    return currentY;
}
void FakeWindow::SetCurrentY(float twips) {
    currentY = twips;
}

void FakeWindow::Cls() {
    Record("Cls");
    outputs.clear();
}

void FakeWindow::Print(std::u16string_view text) {
    Record("Print", Utf8(text));
    if (!text.empty()) {
        outputs.push_back({currentX, currentY, std::u16string(text)});
    }
}

float FakeWindow::TextWidth(std::u16string_view text) {
    return charWidth * static_cast<float>(text.size());
}
float FakeWindow::TextHeight(std::u16string_view) {
    return charHeight;
}
float FakeWindow::TwipsPerPixelX() {
    return twipsPerPixel;
}

void FakeWindow::SetScrollBar(platform::ScrollBar bar, const platform::ScrollBarState& state) {
    scrollBars[bar] = state;
}

void FakeWindow::SetMenuChecked(platform::MenuItem item, bool on) {
    Record("SetMenuChecked", MenuItemName(item) + "," + (on ? "1" : "0"));
    checked[item] = on;
}

void FakeWindow::End() {
    Record("End");
    ended = true;
}

void FakeWindow::ReportError(const RuntimeError& error) {
    Record("ReportError", std::to_string(static_cast<int>(error.Number())));
    reports.push_back(error);
}

void FakeWindow::ShowMessage(std::u16string_view text) {
    Record("ShowMessage");
    messages.emplace_back(text);
}

void FakeWindow::SetWindowPos(platform::Handle window, platform::Handle insertAfter, std::int32_t x,
                              std::int32_t y, std::int32_t cx, std::int32_t cy,
                              std::uint32_t flags) {
    Record("SetWindowPos", std::to_string(window) + "," + std::to_string(insertAfter) + "," +
                               std::to_string(x) + "," + std::to_string(y) + "," +
                               std::to_string(cx) + "," + std::to_string(cy) + "," +
                               std::to_string(flags));
}

platform::Handle FakeWindow::CreateFont(const platform::FontRequest& request) {
    Record("CreateFont", std::to_string(request.height) + "," + Utf8(request.faceName));
    fontsCreated.push_back(request);
    return static_cast<platform::Handle>(0x200 + fontsCreated.size());
}

platform::Handle FakeWindow::SelectObject(platform::Handle deviceContext, platform::Handle object) {
    Record("SelectObject", std::to_string(deviceContext) + "," + std::to_string(object));
    const platform::Handle previous = selectedFont;
    selectedFont = object;
    return previous;
}

void FakeWindow::DeleteObject(platform::Handle object) {
    Record("DeleteObject", std::to_string(object));
    fontsDeleted.push_back(object);
}

}  // namespace ruvo::test
