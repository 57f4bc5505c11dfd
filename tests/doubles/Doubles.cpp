#include "doubles/Doubles.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace ruvo::test {

std::string FakeFiles::ReadAll(const std::u16string& path) {
    Record("ReadAll", path);
    if (!files.contains(path)) {
        throw RuntimeError(ErrorNumber::FileNotFound, path);
    }
    return files[path];
}

// The limit is left to the call's record.
platform::FileBytes FakeFiles::ReadUpTo(const std::u16string& path, std::size_t limit) {
    Record("ReadUpTo", path, limit);
    const auto found = files.find(path);
    return found == files.end() ? platform::FileBytes{{}, platform::ReadProblem::NotFound}
                                : platform::FileBytes{found->second};
}

std::string FakeFiles::ToAnsi(std::u16string_view text) {
    return Convert("CP932", "UTF-16LE",
                   {reinterpret_cast<const char*>(text.data()), text.size() * 2});
}

std::u16string FakeFiles::FromAnsi(std::string_view bytes) {
    const std::string utf16 = Convert("UTF-16LE", "CP932", bytes);
    std::u16string text(utf16.size() / 2, u'\0');
    std::memcpy(text.data(), utf16.data(), utf16.size());  // both little-endian here
    return text;
}

std::optional<std::u16string> FakeFiles::FromShiftJis(std::string_view bytes) {
    try {
        return FromAnsi(bytes);
    } catch (const std::runtime_error&) {
        return std::nullopt;
    }
}

std::optional<platform::FontChoice> FakeCommonDialog::ChooseFont(
    const platform::FontChoice& preset) {
    Record("ChooseFont", preset.face, preset.points);
    if (userCancels) {
        return std::nullopt;
    }
    return platform::FontChoice{userFontName.value_or(preset.face),
                                userFontSize.value_or(preset.points)};
}

float FakeSurface::Width() {
    return window_ != nullptr ? window_->ClientWidth() : width;
}

float FakeSurface::Height() {
    return window_ != nullptr ? window_->ClientHeight() : height;
}

namespace {

struct FakePrintJob : platform::PrintJob {
    FakePrinter& printer;

    explicit FakePrintJob(FakePrinter& chosen) : printer(chosen) {}
    platform::Surface& Page() override { return printer.page; }
    platform::PageRange Pages() override { return printer.pages; }
    void Start(std::u16string_view name) override { printer.Record("Start", name); }
    void StartPage() override { printer.page.outputs.clear(); }
    void EndPage() override { printer.Record("EndPage", printer.page.outputs.size()); }
    void Finish() override { printer.Record("Finish"); }
    void Abort() noexcept override { printer.calls.emplace_back("Abort()"); }
};

}  // namespace

void FakePictures::CopyToClipboard(std::int32_t width, std::int32_t height, float twipsPerPixel,
                                   const Draw& draw) {
    Record("CopyToClipboard", width, height, twipsPerPixel);
    canvas.width = static_cast<float>(width) * twipsPerPixel;
    canvas.height = static_cast<float>(height) * twipsPerPixel;
    draw(canvas);
}

std::unique_ptr<platform::PrintJob> FakePrinter::Choose(bool landscape) {
    Record("Choose", landscape);
    return userCancels ? nullptr : std::make_unique<FakePrintJob>(*this);
}

std::int32_t FakeSurface::Pixels(const platform::Font& font) const {
    return static_cast<std::int32_t>(std::nearbyint(font.size / twipsPerPixel));
}

std::int32_t FakeSurface::WidthPixels(const platform::Font& font) const {
    return std::max(static_cast<std::int32_t>(std::nearbyint(Pixels(font) * font.width)), 1);
}

void FakeSurface::Text(const platform::Font& font, float x, float y, std::u16string_view text) {
    Record("Text", text);
    outputs.push_back({x, y, std::u16string(text), !font.vertical});
    if (font.width != 0) {
        widths.push_back(WidthPixels(font));
    }
}

// Half-width characters take half a cell.
platform::TextExtent FakeSurface::Measure(const platform::Font& font, std::u16string_view text) {
    const float scale = static_cast<float>(Pixels(font)) / emPixels;
    float advance = 0;
    for (const char16_t c : text) {
        advance += c < 0x250 ? charWidth / 2 : charWidth;
    }
    const float widened = font.width == 0 ? 1.0F
                                          : static_cast<float>(2 * WidthPixels(font)) /
                                                static_cast<float>(Pixels(font));
    return {advance * scale * widened, charHeight * scale};
}

void FakeWindow::SetMenuChecked(platform::MenuItem item, bool on) {
    static const char* const kNames[] = {
        "None",     "Format",       "Font",           "FrameSize",   "FixedSize",   "VariableSize",
        "Wrapping", "ColumnLength", "LengthToWindow", "Length20",    "Length40",    "Length42",
        "Ruby",     "Manuscript",   "AutoUpdate",     "CopyPicture", "SavePicture", "Print",
        "Help",     "Exit",         "OpenFile"};
    Record("SetMenuChecked", std::string(kNames[static_cast<int>(item)]), on);
    checked[item] = on;
}

char16_t Named(int line, int row) {
    return static_cast<char16_t>(0x4E00 + line * 100 + row);
}

std::u16string Grid(int lines, int length) {
    std::u16string text;
    for (int line = 0; line < lines; ++line) {
        for (int row = 0; row < length; ++row) {
            text += Named(line, row);
        }
        text += u"\r\n";
    }
    return text;
}

std::string Seen(FakeWindow& window, std::size_t outputs) {
    const std::vector<FakeSurface::Output>& drawn = window.surface.outputs;
    std::string seen = Num(window.width) + "x" + Num(window.height);
    for (std::size_t i = 0; i < std::min(outputs, drawn.size()); ++i) {
        seen += " " + Utf8(drawn[i].text) + (drawn[i].upright ? "^" : "") + "@" + Num(drawn[i].x) +
                "," + Num(drawn[i].y);
    }
    return seen + BarsSeen(window);
}

std::string ColumnsSeen(FakeWindow& window) {
    const std::vector<FakeSurface::Output>& drawn = window.surface.outputs;
    std::string seen = Num(window.width) + "x" + Num(window.height);
    for (std::size_t i = 0, cells = 1; i < drawn.size(); ++i, ++cells) {
        if (i + 1 == drawn.size() || drawn[i + 1].x != drawn[i].x) {
            seen += " " + std::to_string(std::exchange(cells, 0));
        }
    }
    return seen + BarsSeen(window);
}

std::string BarsSeen(FakeWindow& window) {
    std::string bars;
    for (const auto& [bar, state] : window.scrollBars) {
        if (state.visible) {
            bars += Call(bar == platform::ScrollBar::Horizontal ? " H" : " V", state.maximum,
                         state.page, state.position);
        }
    }
    return bars;
}

}  // namespace ruvo::test
