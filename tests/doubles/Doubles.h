#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "doubles/Text.h"
#include "platform/Clipboard.h"
#include "platform/CommonDialog.h"
#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/Window.h"

namespace ruvo::test {

// Each double logs the calls that change something, in order, in `calls`,
// and first hands a call's name to `onCall`: a test throws from there to
// make that call fail.
struct Recorder {
    std::vector<std::string> calls;
    std::function<void(const std::string& name)> onCall;

    template <typename... Args>
    void Record(const std::string& name, const Args&... args) {
        if (onCall) {
            onCall(name);
        }
        calls.push_back(Call(name, args...));
    }
    template <typename T>
    T Recorded(const std::string& name, const T& value) {
        Record(name, value);
        return value;
    }
};

struct FakeClipboard : platform::Clipboard {
    std::u16string text;  // empty: the clipboard holds no text
    bool busy = false;    // another program holds it
    int reads = 0;

    std::u16string GetText() override {
        ++reads;
        if (busy) {
            throw RuntimeError(ErrorNumber::ClipboardBusy);
        }
        return text;
    }
};

// An in-memory file system whose ANSI code page is 932.
struct FakeFiles : platform::Files, Recorder {
    std::u16string executableDirectory = u"C:\\Tools";
    std::map<std::u16string, std::string> files;  // full path -> bytes

    std::u16string ExecutableDirectory() override { return executableDirectory; }
    std::string ReadAll(const std::u16string& path) override;
    void WriteAll(const std::u16string& path, std::string_view bytes) override {
        files[Recorded("WriteAll", path)] = bytes;
    }
    void Replace(const std::u16string& from, const std::u16string& to) override {
        Record("Replace", from, to);
        files[to] = files.at(from);
        files.erase(from);
    }
    bool Exists(const std::u16string& path) noexcept override { return files.contains(path); }
    void Remove(const std::u16string& path) noexcept override {
        calls.push_back(Call("Remove", path));  // noexcept: onCall is not asked
        files.erase(path);
    }
    std::string ToAnsi(std::u16string_view text) override;
    std::u16string FromAnsi(std::string_view bytes) override;
};

// The common-dialog component with a scripted user at the font chooser.
struct FakeCommonDialog : platform::CommonDialog, Recorder {
    bool userCancels = false;
    std::optional<std::u16string> userFontName;  // unset: confirms the preset
    std::optional<float> userFontSize;

    void SetCancelError(bool on) override { cancelError = Recorded("CancelError", on); }
    void SetFlags(std::int32_t flags) override { Record("Flags", flags); }
    void SetFontName(const std::u16string& name) override { fontName = Recorded("FontName", name); }
    std::u16string FontName() override { return fontName; }
    void SetFontSize(float points) override { fontSize = Recorded("FontSize", points); }
    float FontSize() override { return fontSize; }
    void SetFontBold(bool on) override { Record("FontBold", on); }
    void SetFontItalic(bool on) override { Record("FontItalic", on); }
    void ShowFont() override;
    void SetHelpCommand(std::int16_t command) override { Record("HelpCommand", command); }
    void SetHelpFile(const std::u16string& path) override { Record("HelpFile", path); }
    void ShowHelp() override { Record("ShowHelp"); }
    void OpenDocument(const std::u16string& path) override { Record("OpenDocument", path); }

  private:
    bool cancelError = false;
    std::u16string fontName;
    float fontSize = 0;
};

// The main window without a screen: it keeps what the core reads back.
struct FakeWindow : platform::Window, Recorder {
    static constexpr platform::Handle kDefaultFont = 0x100;
    static constexpr float kMenuRow = 300;    // a wrapped menu bar's second row
    static constexpr float kScrollBar = 255;  // a shown bar's breadth
    using Bar = platform::ScrollBar;
    struct Output {
        float x, y;
        std::u16string text;
        bool upright;  // drawn in an unturned face
    };

    float width = 1350, height = 8550;  // outer size, twips
    float frameWidth = 120, frameHeight = 840;
    float menuWrapWidth = 0;  // narrower outer widths wrap the menu bar
    float availableWidth = 15360, availableHeight = 11520;
    float currentX = 0, currentY = 0;
    float twipsPerPixel = 15;
    // A full-width character in a font of emPixels: others scale with their
    // height, and a font asked for an average width draws that much wider
    // than half its height.
    float charWidth = 195, charHeight = 195;
    float emPixels = 13;
    std::int32_t largestFont = INT32_MAX;  // pixels; the platform makes no taller font
    std::map<Bar, platform::ScrollBarState> scrollBars;
    platform::Handle selectedFont = kDefaultFont;
    std::map<platform::MenuItem, bool> checked;
    bool ended = false;
    std::vector<RuntimeError> reports;
    std::vector<std::u16string> messages;
    std::vector<Output> outputs;
    std::vector<platform::FontRequest> fontsCreated;
    std::vector<platform::Handle> fontsDeleted;

    platform::Handle WindowHandle() override { return 0x1234; }
    platform::Handle DeviceContext() override { return 0x5678; }
    float Width() override { return width; }
    void SetWidth(float twips) override { width = Recorded("SetWidth", twips); }
    float Height() override { return height; }
    void SetHeight(float twips) override { height = Recorded("SetHeight", twips); }
    float ScaleWidth() override { return width - frameWidth - Breadth(Bar::Vertical); }
    float ScaleHeight() override {
        return height - frameHeight - (width < menuWrapWidth ? kMenuRow : 0) -
               Breadth(Bar::Horizontal);
    }
    float AvailableWidth() override { return availableWidth; }
    float AvailableHeight() override { return availableHeight; }
    float SmallestWidth() override { return menuWrapWidth; }
    float ScrollBarBreadth(Bar) override { return kScrollBar; }
    float CurrentX() override { return currentX; }
    void SetCurrentX(float twips) override { currentX = twips; }
    float CurrentY() override { return currentY; }
    void SetCurrentY(float twips) override { currentY = twips; }
    void Cls() override {
        Record("Cls");
        outputs.clear();
    }
    void Print(std::u16string_view text) override {
        Record("Print", text);
        if (!text.empty()) {
            const platform::FontRequest* font = Selected();
            outputs.push_back(
                {currentX, currentY, std::u16string(text),
                 font != nullptr && font->escapement == 0 && !font->faceName.starts_with(u"@")});
        }
    }
    // Half-width characters take half a cell.
    float TextWidth(std::u16string_view text) override {
        float extent = 0;
        for (const char16_t c : text) {
            extent += c < 0x250 ? charWidth / 2 : charWidth;
        }
        const platform::FontRequest* font = Selected();
        return extent * Scale() *
               (font == nullptr || font->width == 0
                    ? 1.0F
                    : static_cast<float>(2 * font->width) / static_cast<float>(-font->height));
    }
    float TextHeight(std::u16string_view) override { return charHeight * Scale(); }
    float TwipsPerPixelX() override { return twipsPerPixel; }
    void SetScrollBar(Bar bar, const platform::ScrollBarState& state) override {
        scrollBars[bar] = state;
    }
    void SetMenuChecked(platform::MenuItem item, bool on) override;
    void End() override {
        Record("End");
        ended = true;
    }
    void ReportError(const RuntimeError& error) override {
        Record("ReportError", static_cast<int>(error.Number()));
        reports.push_back(error);
    }
    void ShowMessage(std::u16string_view text) override {
        Record("ShowMessage");
        messages.emplace_back(text);
    }
    void SetWindowPos(platform::Handle window, platform::Handle insertAfter, std::int32_t x,
                      std::int32_t y, std::int32_t cx, std::int32_t cy,
                      std::uint32_t flags) override {
        Record("SetWindowPos", window, insertAfter, x, y, cx, cy, flags);
    }
    platform::Handle CreateFont(const platform::FontRequest& request) override {
        Record("CreateFont", request.height, request.faceName);
        if (-request.height > largestFont) {
            return 0;
        }
        fontsCreated.push_back(request);
        return static_cast<platform::Handle>(0x200 + fontsCreated.size());
    }
    platform::Handle SelectObject(platform::Handle deviceContext,
                                  platform::Handle object) override {
        Record("SelectObject", deviceContext, object);
        return std::exchange(selectedFont, object);
    }
    void DeleteObject(platform::Handle object) override {
        fontsDeleted.push_back(Recorded("DeleteObject", object));
    }

  private:
    float Breadth(Bar bar) { return scrollBars[bar].visible ? kScrollBar : 0; }
    // The request of the font selected, which CreateFont numbers from 0x201.
    const platform::FontRequest* Selected() const {
        const auto index = static_cast<std::size_t>(selectedFont - 0x201);
        return selectedFont > 0x200 && index < fontsCreated.size() ? &fontsCreated[index] : nullptr;
    }
    // The window's own font is a small one.
    float Scale() const {
        const platform::FontRequest* font = Selected();
        return font == nullptr ? 0.5F : static_cast<float>(-font->height) / emPixels;
    }
};

}  // namespace ruvo::test
