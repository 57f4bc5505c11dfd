// A start with any settings the reader accepts, a click on any clipboard
// text, a few moves through it, and the click that clears it. None may
// fail, the vertical font must go back and be deleted every time, and the
// drawing must follow what the window shows, however long the text.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "doubles/TestForm.h"
#include "doubles/Text.h"
#include "settings/SettingsLine.h"

namespace {

using ruvo::platform::Key;
using ruvo::platform::ScrollBar;
using ruvo::platform::ScrollRequest;
using ruvo::platform::Wheel;
using ruvo::test::FakeWindow;
using ruvo::test::TestForm;

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}

// Text a font can draw: no line break, no surrogate outside a pair.
bool Drawable(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            ++i;  // a pair
        } else if (unit == u'\r' || unit == u'\n' || (unit >= 0xD800 && unit <= 0xDFFF)) {
            return false;
        }
    }
    return true;
}

// The event ran without a report, released its fonts, and drew no more
// than the client area shows: columns stand 1.5 cells apart and a column
// steps one cell down, and a margin allows for those the edges cut.
void RequireSound(TestForm& t, bool handled) {
    if (!handled) {
        std::fprintf(stderr, "reported: %s\n",
                     ruvo::test::Utf8(t.window.reports.at(0).Text()).c_str());
        std::abort();
    }
    const FakeWindow& window = t.window;
    std::vector<ruvo::platform::Handle> created;
    for (std::size_t i = 1; i <= window.fontsCreated.size(); ++i) {
        created.push_back(static_cast<ruvo::platform::Handle>(0x200 + i));
    }
    Require(window.fontsDeleted == created, "a vertical font was not deleted");
    Require(window.selectedFont == FakeWindow::kDefaultFont, "the vertical font stays selected");

    for (const FakeWindow::Output& output : window.outputs) {
        Require(Drawable(output.text), "a line break or a lone surrogate was drawn");
    }
    const double cell = window.charWidth;

    const double columns = std::floor(std::max(0.0F, t.window.ScaleWidth()) / (1.5 * cell));
    const double cells = std::floor(std::max(0.0F, t.window.ScaleHeight()) / cell);
    if (static_cast<double>(window.outputs.size()) > (columns + 2) * (cells + 2)) {
        std::fprintf(stderr, "%zu text outputs in a client area of %g x %g twips, cell %g\n",
                     window.outputs.size(), static_cast<double>(t.window.ScaleWidth()),
                     static_cast<double>(t.window.ScaleHeight()), cell);
        std::abort();
    }
}

// A move as the keys, the wheel, the scroll bars or a resize make it.
void Move(TestForm& t, FuzzedDataProvider& input) {
    switch (input.ConsumeIntegralInRange(0, 3)) {
        case 0: {
            const Key key =
                input.PickValueInArray({Key::Left, Key::Right, Key::Up, Key::Down, Key::PageUp,
                                        Key::PageDown, Key::Home, Key::End});
            RequireSound(t, t.form.Dispatch([&] { t.form.Form_KeyDown(key); }));
            return;
        }
        case 1: {
            const Wheel wheel = input.PickValueInArray(
                {Wheel::Vertical, Wheel::VerticalWithShift, Wheel::Horizontal});
            // A wheel reports at most 32767 / 120 notches at once.
            const std::int32_t notches = input.ConsumeIntegralInRange(-273, 273);
            RequireSound(t, t.form.Dispatch([&] { t.form.Form_MouseWheel(wheel, notches); }));
            return;
        }
        case 2: {
            const ScrollBar bar = input.ConsumeBool() ? ScrollBar::Horizontal : ScrollBar::Vertical;
            const ScrollRequest request = input.PickValueInArray(
                {ScrollRequest::LineLess, ScrollRequest::LineMore, ScrollRequest::PageLess,
                 ScrollRequest::PageMore, ScrollRequest::ToMinimum, ScrollRequest::ToMaximum,
                 ScrollRequest::ToPosition});
            // A thumb stands within its bar.
            const auto position = static_cast<std::int32_t>(
                std::round(input.ConsumeProbability<double>() * t.window.scrollBars[bar].maximum));
            RequireSound(t, t.form.Dispatch([&] { t.form.Form_Scroll(bar, request, position); }));
            return;
        }
        default:
            t.window.width = input.ConsumeFloatingPointInRange(1.0F, 491505.0F);
            t.window.height = input.ConsumeFloatingPointInRange(1.0F, 491505.0F);
            RequireSound(t, t.form.Dispatch([&] { t.form.Form_Resize(); }));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    TestForm t;

    // The settings and the screen come from the end of the input.
    const ruvo::SettingsRecord settings{
        u"MS Mincho", input.ConsumeIntegralInRange(1, 1638),
        input.ConsumeFloatingPointInRange(1.0, 491505.0),
        input.ConsumeFloatingPointInRange(1.0, 491505.0),
        input.ConsumeBool() ? 0.0F : input.ConsumeFloatingPoint<float>()};
    t.files.files[TestForm::kSettingsPath] = t.files.ToAnsi(ruvo::FormatSettingsLine(settings));
    t.window.twipsPerPixel = input.PickValueInArray({15.0F, 12.0F, 10.0F, 7.5F});
    // A full-width character fills its em, points × 20 twips, in whole pixels.
    const float pixels = std::max(
        1.0F, std::round(static_cast<float>(settings.fontSize) * 20.0F / t.window.twipsPerPixel));
    t.window.charWidth = t.window.charHeight = pixels * t.window.twipsPerPixel;
    // The window may stand anywhere, even beyond the work area's edges.
    t.window.availableWidth = input.ConsumeFloatingPointInRange(-491505.0F, 491505.0F);
    t.window.availableHeight = input.ConsumeFloatingPointInRange(-491505.0F, 491505.0F);
    t.window.menuWrapWidth = input.ConsumeFloatingPointInRange(0.0F, 3000.0F);

    // The clipboard text from the front: any UTF-16 units, little-endian.
    const std::vector<std::uint8_t> bytes = input.ConsumeBytes<std::uint8_t>(
        input.ConsumeIntegralInRange<std::size_t>(0, input.remaining_bytes()));
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        t.clipboard.text += static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
    }

    RequireSound(t, t.form.Dispatch([&] { t.form.Form_Load(); }));
    RequireSound(t, t.form.Dispatch([&] { t.form.Form_Click(); }));
    for (int moves = 0; moves < 8 && input.remaining_bytes() != 0; ++moves) {
        Move(t, input);
    }
    RequireSound(t, t.form.Dispatch([&] { t.form.Form_Click(); }));
    Require(t.window.outputs.empty(), "the clearing click left text");
    return 0;
}
