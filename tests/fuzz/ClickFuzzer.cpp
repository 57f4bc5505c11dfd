// A start with any settings the reader accepts, then a click on any
// clipboard text and the click that clears it. Neither may fail, the
// vertical font must go back and be deleted each time, and the drawing
// must follow what the window shows, however long the text.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "doubles/TestForm.h"
#include "doubles/Text.h"
#include "settings/SettingsLine.h"

namespace {

using ruvo::test::FakeWindow;
using ruvo::test::TestForm;

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}

void RequireNoReport(TestForm& t, bool handled) {
    if (!handled) {
        std::fprintf(stderr, "reported: %s\n", t.window.reports.at(0).what());
        std::abort();
    }
}

// Every font made so far is deleted, and the window's own font is back.
void RequireFontsReleased(const FakeWindow& window) {
    std::vector<ruvo::platform::Handle> created;
    for (std::size_t i = 1; i <= window.fontsCreated.size(); ++i) {
        created.push_back(static_cast<ruvo::platform::Handle>(0x200 + i));
    }
    Require(window.fontsDeleted == created, "a vertical font was not deleted");
    Require(window.selectedFont == FakeWindow::kDefaultFont, "the vertical font stays selected");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    TestForm t;

    // The settings and the screen come from the end of the input.
    ruvo::SettingsRecord settings{u"MS Mincho", input.ConsumeIntegralInRange(1, 1638),
                                  input.ConsumeFloatingPointInRange(1.0, 491505.0),
                                  input.ConsumeFloatingPointInRange(1.0, 491505.0),
                                  input.ConsumeBool() ? 0.0F : input.ConsumeFloatingPoint<float>()};
    t.files.files[TestForm::kSettingsPath] = t.files.ToAnsi(ruvo::FormatSettingsLine(settings));
    t.window.twipsPerPixel = input.PickValueInArray({15.0F, 12.0F, 10.0F, 7.5F});
    // A full-width character of the font fills its em: points × 20 twips,
    // in whole pixels and at least one.
    const float pixels = std::max(
        1.0F, std::round(static_cast<float>(settings.fontSize) * 20.0F / t.window.twipsPerPixel));
    t.window.charWidth = t.window.charHeight = pixels * t.window.twipsPerPixel;

    // The clipboard text is the rest: any UTF-16 units, little-endian.
    const std::vector<std::uint8_t> bytes = input.ConsumeRemainingBytes<std::uint8_t>();
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        t.clipboard.text += static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
    }

    RequireNoReport(t, t.form.Dispatch([&] { t.form.Form_Load(); }));
    RequireNoReport(t, t.form.Dispatch([&] { t.form.Form_Click(); }));
    RequireFontsReleased(t.window);

    // Columns stand 1.5 cells apart and a column steps one cell down; a
    // margin allows for the columns and cells cut by the window's edges.
    const double cell = t.window.charWidth;
    const double columns = std::floor(std::max(0.0F, t.window.ScaleWidth()) / (1.5 * cell));
    const double rows = std::floor(std::max(0.0F, t.window.ScaleHeight()) / cell);
    if (static_cast<double>(t.window.outputs.size()) > (columns + 2) * (rows + 2)) {
        std::fprintf(stderr, "%zu text outputs in a client area of %g x %g twips, cell %g\n",
                     t.window.outputs.size(), static_cast<double>(t.window.ScaleWidth()),
                     static_cast<double>(t.window.ScaleHeight()), cell);
        std::abort();
    }

    RequireNoReport(t, t.form.Dispatch([&] { t.form.Form_Click(); }));
    RequireFontsReleased(t.window);
    Require(t.window.outputs.empty(), "the clearing click left text");
    return 0;
}
