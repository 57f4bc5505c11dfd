#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstddef>
#include <string>

#include "doubles/TestForm.h"

namespace ruvo::test {
namespace {

// Lines of 40 Japanese characters ended by CR LF, `bytes` of UTF-16 in all.
std::u16string JapaneseLines(std::size_t bytes) {
    constexpr std::u16string_view kLine =
        u"縦書きで表示するクリップボードの文字列は一行四十文字ほどの長さで改行されています";
    std::u16string text;
    const std::size_t units = bytes / sizeof(char16_t);
    text.reserve(units);
    while (text.size() < units) {
        text += kLine;
        text += u"\r\n";
    }
    text.resize(units);
    return text;
}

// A click that shows the clipboard, in the window's start-up size.
void ShowingClick(benchmark::State& state) {
    TestForm doubles;
    doubles.AsLoaded(10);
    doubles.form.FrameMode = 0.0F;
    FakeWindow& window = doubles.window;
    frmMain& form = doubles.form;
    doubles.clipboard.text = JapaneseLines(static_cast<std::size_t>(state.range(0)));

    for (auto _ : state) {
        window.calls.clear();
        form.ClipShown = 0;
        form.Form_Click();
    }

    const auto prints =
        std::count_if(window.calls.begin(), window.calls.end(),
                      [](const std::string& call) { return call.rfind("Print(", 0) == 0; });
    state.counters["prints"] = static_cast<double>(prints);
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

BENCHMARK(ShowingClick)->Arg(1 << 10)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

// One column forward from the middle of the text on display.
void ScrollStep(benchmark::State& state) {
    TestForm doubles;
    doubles.AsLoaded(10);
    doubles.form.FrameMode = 0.0F;
    frmMain& form = doubles.form;
    doubles.clipboard.text = JapaneseLines(static_cast<std::size_t>(state.range(0)));
    form.Form_Click();
    const std::int32_t middle = static_cast<std::int32_t>(form.BreakCount / 2);

    for (auto _ : state) {
        form.FirstColumn = middle;
        form.Form_KeyDown(platform::Key::Left);
    }
    state.counters["prints"] = static_cast<double>(doubles.window.outputs.size());
}

BENCHMARK(ScrollStep)->Arg(1 << 10)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ruvo::test

BENCHMARK_MAIN();
