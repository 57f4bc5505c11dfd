#include <benchmark/benchmark.h>

#include <string>

#include "doubles/TestForm.h"

namespace ruvo::test {
namespace {

// Times `step` on the doubles in the fixed mode at the start-up size, once a
// click shows `range(0)` bytes of UTF-16 from the clipboard: lines of 40
// Japanese characters ended by CR LF. "prints" counts the text outputs.
void Measure(benchmark::State& state, void (*step)(frmMain&)) {
    TestForm t;
    t.AsLoaded(10);
    t.form.FrameMode = 0.0F;
    const auto units = static_cast<std::size_t>(state.range(0)) / sizeof(char16_t);
    while (t.clipboard.text.size() < units) {
        t.clipboard.text +=
            u"縦書きで表示するクリップボードの文字列は一行四十文字ほどの長さで改行されています\r\n";
    }
    t.clipboard.text.resize(units);
    t.form.Form_Click();
    for ([[maybe_unused]] auto _ : state) {
        t.window.calls.clear();
        step(t.form);
    }
    state.counters["prints"] = static_cast<double>(t.window.outputs.size());
}

// A click that shows the clipboard.
void ShowingClick(benchmark::State& state) {
    Measure(state, [](frmMain& form) {
        form.ClipShown = 0;
        form.Form_Click();
    });
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

// One column on from the middle of the text on display.
void ScrollStep(benchmark::State& state) {
    Measure(state, [](frmMain& form) {
        form.FirstColumn = static_cast<std::int32_t>(form.BreakCount / 2);
        form.Form_KeyDown(platform::Key::Left);
    });
}

BENCHMARK(ShowingClick)->Arg(1 << 10)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(ScrollStep)->Arg(1 << 10)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ruvo::test

BENCHMARK_MAIN();
