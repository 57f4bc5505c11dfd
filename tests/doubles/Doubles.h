#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "doubles/Text.h"
#include "platform/Clipboard.h"
#include "platform/CommonDialog.h"
#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/Picture.h"
#include "platform/Printer.h"
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
    platform::FileBytes ReadUpTo(const std::u16string& path, std::size_t limit) override;
    void WriteAll(const std::u16string& path, std::string_view bytes) override {
        Record("WriteAll", path);
        files[path] = bytes;
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
    std::optional<std::u16string> FromShiftJis(std::string_view bytes) override;
};

// The common dialogs with a scripted user at the font chooser and the save dialog.
struct FakeCommonDialog : platform::CommonDialog, Recorder {
    bool userCancels = false;
    std::optional<std::u16string> userFontName;  // unset: confirms the preset
    std::optional<float> userFontSize;
    std::optional<std::u16string> userFile;      // unset: cancels the open dialog
    std::optional<std::u16string> userSavePath;  // unset: cancels the save dialog

    std::optional<platform::FontChoice> ChooseFont(const platform::FontChoice& preset) override;
    std::optional<std::u16string> ChooseTextFile(const std::u16string& folder) override {
        Record("ChooseTextFile", folder);
        return userFile;
    }
    std::optional<std::u16string> ChooseSaveFile(const platform::FileToSave& file) override {
        Record("ChooseSaveFile", file.folder, file.name);
        return userSavePath;
    }
    void ShowHelpFile(const std::u16string& path) override { Record("ShowHelpFile", path); }
    void OpenDocument(const std::u16string& path) override { Record("OpenDocument", path); }
};

struct FakeWindow;

// The client area's surface, or without a window one of width × height. A
// full-width character of a font of emPixels is charWidth × charHeight;
// other fonts scale with their height, and one asked for an average width
// draws that much wider than half its height.
struct FakeSurface : platform::Surface, Recorder {
    struct Output {
        float x, y;
        std::u16string text;
        bool upright;  // drawn in a horizontal font

        bool operator==(const Output&) const = default;
    };

    explicit FakeSurface(FakeWindow* window = nullptr) : window_(window) {}

    float width = 0, height = 0;
    float twipsPerPixel = 15;
    float charWidth = 195, charHeight = 195;
    float emPixels = 13;
    std::int32_t largestFont = INT32_MAX;  // pixels; the platform makes no taller font
    std::vector<Output> outputs;
    std::vector<std::int32_t> widths;   // in pixels, of the narrowed fonts drawn with
    std::vector<platform::Area> rules;  // the ruled lines, since the last Clear

    float Width() override;
    float Height() override;
    float TwipsPerPixel() override { return twipsPerPixel; }
    void Clear() override {
        Record("Clear");
        outputs.clear();
        rules.clear();
    }
    void Fill(const platform::Area& area, platform::Colour colour) override {
        if (colour == platform::Colour::Rule) {
            rules.push_back(area);
        }
    }
    void Text(const platform::Font& font, float x, float y, std::u16string_view text) override;
    platform::TextExtent Measure(const platform::Font& font, std::u16string_view text) override;
    bool Realises(const platform::Font& font) override { return Pixels(font) <= largestFont; }

    // The height in pixels a font is made at, and its average width.
    std::int32_t Pixels(const platform::Font& font) const;
    std::int32_t WidthPixels(const platform::Font& font) const;

  private:
    FakeWindow* window_;
};

// Pictures for the clipboard drawn on one surface, which keeps the last
// one's outputs and measures at 15 twips a pixel; PNG files are "PNG".
struct FakePictures : platform::Pictures, Recorder {
    FakeSurface canvas;

    void CopyToClipboard(std::int32_t width, std::int32_t height, float twipsPerPixel,
                         const Draw& draw) override;
    std::string EncodePng(std::int32_t width, std::int32_t height, float, const Draw&) override {
        Record("EncodePng", width, height);
        return "PNG";
    }
};

// A printer whose pages are `page`; EndPage logs the outputs of its page,
// StartPage nothing.
struct FakePrinter : platform::Printer, Recorder {
    FakeSurface page;
    bool userCancels = false;
    platform::PageRange pages;

    std::unique_ptr<platform::PrintJob> Choose(bool landscape) override;
};

// The main window without a screen: it keeps what the core reads back.
struct FakeWindow : platform::Window, Recorder {
    static constexpr float kMenuRow = 300;    // a wrapped menu bar's second row
    static constexpr float kScrollBar = 255;  // a shown bar's breadth
    using Bar = platform::ScrollBar;

    float width = 1350, height = 8550;  // outer size, twips
    float frameWidth = 120, frameHeight = 840;
    float menuWrapWidth = 0;  // narrower outer widths wrap the menu bar
    float availableWidth = 15360, availableHeight = 11520;
    std::map<Bar, platform::ScrollBarState> scrollBars;
    std::map<platform::MenuItem, bool> checked;
    std::map<platform::MenuItem, bool> enabled;
    bool ended = false;
    std::vector<RuntimeError> reports;
    std::vector<std::u16string> messages;
    FakeSurface surface{this};

    float Width() override { return width; }
    void SetWidth(float twips) override {
        Record("SetWidth", twips);
        width = twips;
    }
    float Height() override { return height; }
    void SetHeight(float twips) override {
        Record("SetHeight", twips);
        height = twips;
    }
    float ClientWidth() override { return width - frameWidth - Breadth(Bar::Vertical); }
    float ClientHeight() override {
        return height - frameHeight - (width < menuWrapWidth ? kMenuRow : 0) -
               Breadth(Bar::Horizontal);
    }
    float AvailableWidth() override { return availableWidth; }
    float AvailableHeight() override { return availableHeight; }
    float SmallestWidth() override { return menuWrapWidth; }
    float ScrollBarBreadth(Bar) override { return kScrollBar; }
    float TwipsPerPixel() override { return surface.twipsPerPixel; }
    void ShowTopmost(std::int32_t widthPixels, std::int32_t heightPixels) override {
        Record("ShowTopmost", widthPixels, heightPixels);
    }
    void SetScrollBar(Bar bar, const platform::ScrollBarState& state) override {
        scrollBars[bar] = state;
    }
    void SetMenuChecked(platform::MenuItem item, bool on) override;
    void SetMenuEnabled(platform::MenuItem item, bool on) override { enabled[item] = on; }
    platform::Surface& ClientSurface() override { return surface; }
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

  private:
    float Breadth(Bar bar) { return scrollBars[bar].visible ? kScrollBar : 0; }
};

// Line i, row j of a grid text: a character that names its cell.
char16_t Named(int line, int row);
// Lines of such characters, each ended by CR LF.
std::u16string Grid(int lines, int length);

// What the window shows: its outer size, each text drawn at its place (or
// the first `outputs` only; "^" marks upright ones), and the scroll bars.
std::string Seen(FakeWindow& window, std::size_t outputs = SIZE_MAX);
// Its outer size, the cells of each column drawn, and the scroll bars.
std::string ColumnsSeen(FakeWindow& window);
// The scroll bars shown, with their maximum, page and position.
std::string BarsSeen(FakeWindow& window);

}  // namespace ruvo::test
