// A start with any settings the reader accepts, a click on any clipboard
// text, a few moves through it and copies of its tails, a picture or printed
// pages of it, and the click that clears it. None may fail, and the drawing
// must follow what the window shows, however long the text.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>

#include "Require.h"
#include "doubles/TestApp.h"
#include "doubles/Text.h"
#include "settings/SettingsLine.h"
#include "view/Fonts.h"

namespace ruvo::test {
namespace {

using platform::ScrollBar;
using platform::ScrollRequest;

// Text a font can draw: no line break, and a high surrogate exactly where
// a low one follows.
bool Drawable(const FakeSurface::Output& output) {
    const std::u16string padded = u" " + output.text + u" ";
    return std::ranges::adjacent_find(padded, [](char16_t unit, char16_t next) {
               return ((unit & 0xFC00) == 0xD800) != ((next & 0xFC00) == 0xDC00) || next == u'\r' ||
                      next == u'\n';
           }) == padded.end();
}

// Runs one event. It may report nothing, and may draw no line break or lone
// surrogate and no more than the client area shows: columns stand 1.5 cells
// apart and a column steps one cell down, and a margin allows for those the
// edges cut.
void Dispatch(TestApp& t, const std::function<void()>& event) {
    FakeWindow& w = t.window;
    FakeSurface& s = w.surface;
    if (!t.app.Dispatch(event)) {
        Fail("reported: " + Utf8(w.reports.at(0).Text()));
    }
    Require(std::ranges::all_of(s.outputs, Drawable), "a line break or a lone surrogate was drawn");
    const float width = std::max(0.0F, s.Width()), height = std::max(0.0F, s.Height());
    // A cell of the text's font shows a character and beside it as many ruby
    // characters as the ruby font, half as tall and at least a point, fits.
    const ViewFonts fonts = FontsFor(t.app.Settings().faceName, t.app.Settings().fontSize);
    const double text = s.Pixels(fonts.text), ruby = s.Pixels(fonts.ruby);
    const double cell = std::max<double>(s.charWidth * text / s.emPixels, s.twipsPerPixel);
    const double most = (1 + std::ceil(text / std::max(ruby, 1.0))) *
                        (std::floor(width / (1.5 * cell)) + 2) * (std::floor(height / cell) + 2);
    if (static_cast<double>(s.outputs.size()) > most) {
        Fail(std::to_string(s.outputs.size()) + " text outputs in a client area of " + Num(width) +
             " x " + Num(height) + " twips, cell " + Num(cell));
    }
}

// A move as the keys, the wheel, the scroll bars, a resize, the reading
// options, the column length and manuscript paper, a new copy or a font
// chosen make it, each taking its values from
// the input as it runs; the enumerations count from 0.
void Move(TestApp& t, FuzzedDataProvider& input) {
    App& a = t.app;
    const std::function<void()> moves[] = {
        [&] { a.OnKey(static_cast<platform::Key>(input.ConsumeIntegralInRange(0, 13))); },
        [&] {
            const auto wheel = static_cast<platform::Wheel>(input.ConsumeIntegralInRange(0, 3));
            // A wheel reports at most 32767 / 120 notches at once.
            a.OnWheel(wheel, input.ConsumeIntegralInRange(-273, 273));
        },
        [&] {
            const ScrollBar bar = input.ConsumeBool() ? ScrollBar::Horizontal : ScrollBar::Vertical;
            const auto request = static_cast<ScrollRequest>(input.ConsumeIntegralInRange(0, 6));
            // A thumb stands within its bar.
            const double position =
                input.ConsumeProbability<double>() * t.window.scrollBars[bar].maximum;
            a.OnScrollBar(bar, request, static_cast<std::int32_t>(std::round(position)));
        },
        [&] {
            t.window.width = input.ConsumeFloatingPointInRange(1.0F, 491505.0F);
            t.window.height = input.ConsumeFloatingPointInRange(1.0F, 491505.0F);
            a.OnResize();
        },
        [&] { a.OnMenu(platform::MenuItem::Wrapping); },
        [&] { a.OnMenu(platform::MenuItem::Ruby); },
        [&] {
            a.OnMenu(input.PickValueInArray(
                {platform::MenuItem::LengthToWindow, platform::MenuItem::Length20,
                 platform::MenuItem::Length40, platform::MenuItem::Length42,
                 platform::MenuItem::Manuscript}));
        },
        [&] {
            // Another copy: a tail of the text, the empty one, or a busy clipboard.
            std::u16string& text = t.clipboard.text;
            text.erase(0, input.ConsumeIntegralInRange<std::size_t>(0, text.size()));
            t.clipboard.busy = input.ConsumeBool();
            a.OnClipboardChange();
            t.clipboard.busy = false;  // a click or F5 would report it
        },
        [&] {
            t.dialog.userFontSize = input.ConsumeFloatingPointInRange(1.0F, 1638.0F);
            a.OnMenu(platform::MenuItem::Font);
        }};
    Dispatch(t, moves[input.ConsumeIntegralInRange(0, 8)]);
}

}  // namespace

// In this namespace for its helpers; C linkage makes it the one libFuzzer calls.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    TestApp t;
    FakeWindow& w = t.window;
    FakeSurface& s = w.surface;

    // The settings and the screen come from the end of the input.
    const SettingsRecord settings{u"MS Mincho",
                                  input.ConsumeIntegralInRange(1, 1638),
                                  input.ConsumeFloatingPointInRange(1.0, 491505.0),
                                  input.ConsumeFloatingPointInRange(1.0, 491505.0),
                                  input.ConsumeBool() ? 0.0F : input.ConsumeFloatingPoint<float>(),
                                  input.ConsumeBool(),
                                  input.ConsumeBool(),
                                  input.ConsumeBool(),
                                  input.PickValueInArray({0, 20, 40, 42}),
                                  input.ConsumeBool()};
    t.files.files[TestApp::kSettingsPath] = t.files.ToAnsi(FormatSettingsLine(settings));
    s.twipsPerPixel = input.PickValueInArray({15.0F, 12.0F, 10.0F, 7.5F});
    // A full-width character fills its em, points × 20 twips, in whole pixels.
    const float em = std::max(
        1.0F, std::nearbyint(static_cast<float>(settings.fontSize) * 20.0F / s.twipsPerPixel));
    s.charWidth = s.charHeight = em * s.twipsPerPixel;
    s.emPixels = em;
    // The window may stand anywhere, even beyond the work area's edges.
    w.availableWidth = input.ConsumeFloatingPointInRange(-491505.0F, 491505.0F);
    w.availableHeight = input.ConsumeFloatingPointInRange(-491505.0F, 491505.0F);
    w.menuWrapWidth = input.ConsumeFloatingPointInRange(0.0F, 3000.0F);
    // The platform may refuse a font larger than the first.
    const auto first = static_cast<std::int32_t>(em);
    s.largestFont = input.ConsumeIntegralInRange(first, std::max(first, 4400));

    // The clipboard text from the front: any UTF-16 units, little-endian as here.
    std::u16string& text = t.clipboard.text;
    text.resize(input.ConsumeIntegralInRange<std::size_t>(0, input.remaining_bytes()) / 2);
    input.ConsumeData(text.data(), text.size() * 2);

    Dispatch(t, [&] { t.app.Start(); });
    Dispatch(t, [&] { t.app.OnClick(); });
    for (int moves = 0; moves < 8 && input.remaining_bytes() != 0; ++moves) {
        Move(t, input);
    }
    // Then the text may leave the window: a picture saved beside the program,
    // or pages of any size printed.
    t.dialog.userSavePath = u"C:\\Tools\\ruvo.png";
    if (input.remaining_bytes() != 0) {
        t.printer.page.width = t.printer.page.height = 1e5F * input.ConsumeProbability<float>();
        const auto key = static_cast<platform::Key>(input.ConsumeIntegralInRange(13, 15));
        Dispatch(t, [&] { t.app.OnKey(key); });
    }
    // After Esc the next click shows, and the one after it clears.
    if (!t.app.TextShown()) {
        Dispatch(t, [&] { t.app.OnClick(); });
    }
    Dispatch(t, [&] { t.app.OnClick(); });
    Require(s.outputs.empty(), "the clearing click left text");
    return 0;
}

}  // namespace ruvo::test
