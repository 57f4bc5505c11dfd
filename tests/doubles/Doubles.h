#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "doubles/Text.h"
#include "platform/Clipboard.h"
#include "platform/CommonDialog.h"
#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/Window.h"

// Doubles of the platform services. Each logs the calls that change
// something, in order, in `calls`, and calls `onCall` with a call's name
// before it acts: a test throws from there to make that call fail.
namespace ruvo::test {

using OnCall = std::function<void(const std::string& name)>;

class FakeClipboard : public platform::Clipboard {
  public:
    std::u16string text;  // empty: the clipboard holds no text
    bool busy = false;    // another program holds it
    int reads = 0;

    std::u16string GetText() override;
};

// An in-memory file system whose ANSI code page is 932.
class FakeFiles : public platform::Files {
  public:
    std::u16string executableDirectory = u"C:\\Tools";
    std::map<std::u16string, std::string> files;  // full path -> bytes
    std::vector<std::string> calls;               // e.g. "WriteAll(C:\Tools\Ruvo.ini.tmp)"
    OnCall onCall;

    std::u16string ExecutableDirectory() override { return executableDirectory; }
    std::string ReadAll(const std::u16string& path) override;
    void WriteAll(const std::u16string& path, std::string_view bytes) override;
    void Replace(const std::u16string& from, const std::u16string& to) override;
    bool Exists(const std::u16string& path) noexcept override { return files.contains(path); }
    void Remove(const std::u16string& path) noexcept override;
    std::string ToAnsi(std::u16string_view text) override;
    std::u16string FromAnsi(std::string_view bytes) override;

  private:
    void Record(const std::string& name, const std::u16string& argument);
};

// The common-dialog component with a scripted user at the font chooser.
class FakeCommonDialog : public platform::CommonDialog {
  public:
    bool userCancels = false;
    std::optional<std::u16string> userFontName;  // unset: confirms the preset
    std::optional<float> userFontSize;
    std::vector<std::string> calls;  // e.g. "Flags=3", "ShowFont"
    OnCall onCall;

    void SetCancelError(bool on) override { cancelError_ = Record("CancelError", on); }
    void SetFlags(std::int32_t flags) override { Record("Flags", flags); }
    void SetFontName(const std::u16string& name) override { fontName_ = Record("FontName", name); }
    std::u16string FontName() override { return fontName_; }
    void SetFontSize(float points) override { fontSize_ = Record("FontSize", points); }
    float FontSize() override { return fontSize_; }
    void SetFontBold(bool on) override { Record("FontBold", on); }
    void SetFontItalic(bool on) override { Record("FontItalic", on); }
    void ShowFont() override;
    void SetHelpCommand(std::int16_t command) override { Record("HelpCommand", command); }
    void SetHelpFile(const std::u16string& path) override { Record("HelpFile", path); }
    void ShowHelp() override { Record("ShowHelp", std::nullopt); }
    void OpenDocument(const std::u16string& path) override { Record("OpenDocument", path); }

  private:
    template <typename T>
    T Record(const std::string& name, T value);

    bool cancelError_ = false;
    std::u16string fontName_;
    float fontSize_ = 0;
};

// The main window without a screen: it keeps what the core reads back.
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
    float frameWidth = 120;  // outer minus client area
    float frameHeight = 840;
    float menuWrapWidth = 0;  // narrower outer widths wrap the menu bar
    float availableWidth = 15360;
    float availableHeight = 11520;
    float currentX = 0;
    float currentY = 0;
    float twipsPerPixel = 15;
    float charWidth = 195;  // a string measures this per UTF-16 unit
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
    std::vector<std::string> calls;  // e.g. "SetWidth(705)"
    OnCall onCall;

    platform::Handle WindowHandle() override { return 0x1234; }
    platform::Handle DeviceContext() override { return 0x5678; }
    float Width() override { return width; }
    void SetWidth(float twips) override { width = Record("SetWidth", twips); }
    float Height() override { return height; }
    void SetHeight(float twips) override { height = Record("SetHeight", twips); }
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
    void Cls() override;
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
    float Breadth(Bar bar) { return scrollBars[bar].visible ? kScrollBar : 0; }
    float Record(const std::string& name, float value) {
        Record(name, Num(value));
        return value;
    }
    void Record(const std::string& name, const std::string& arguments = {});
};

}  // namespace ruvo::test
