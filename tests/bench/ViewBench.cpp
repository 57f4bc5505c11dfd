#include <benchmark/benchmark.h>

#include <string>

#include "doubles/TestForm.h"

namespace ruvo::test {
namespace {

// The doubles in the fixed mode at the start-up size, with `bytes` of UTF-16
// on the clipboard: lines of 40 Japanese characters ended by CR LF.
struct Bench : TestForm {
    explicit Bench(const benchmark::State& state) {
        AsLoaded(10);
        form.FrameMode = 0.0F;
        constexpr std::u16string_view kLine =
            u"縦書きで表示するクリップボードの文字列は一行四十文字ほどの長さで改行されています\r\n";
        const auto units = static_cast<std::size_t>(state.range(0)) / sizeof(char16_t);
        while (clipboard.text.size() < units) {
            clipboard.text += kLine;
        }
        clipboard.text.resize(units);
    }
};

// A click that shows the clipboard.
void ShowingClick(benchmark::State& state) {
    Bench bench(state);
    for (auto _ : state) {
        bench.window.calls.clear();
        bench.form.ClipShown = 0;
        bench.form.Form_Click();
    }
    state.counters["prints"] = static_cast<double>(bench.window.outputs.size());
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

// One column on from the middle of the text on display.
void ScrollStep(benchmark::State& state) {
    Bench bench(state);
    bench.form.Form_Click();
    const auto middle = static_cast<std::int32_t>(bench.form.BreakCount / 2);
    for (auto _ : state) {
        bench.window.calls.clear();
        bench.form.FirstColumn = middle;
        bench.form.Form_KeyDown(platform::Key::Left);
    }
    state.counters["prints"] = static_cast<double>(bench.window.outputs.size());
}

BENCHMARK(ShowingClick)->Arg(1 << 10)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(ScrollStep)->Arg(1 << 10)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ruvo::test

BENCHMARK_MAIN();
