#include <benchmark/benchmark.h>

#include <string>

#include "doubles/TestForm.h"

namespace ruvo::test {
namespace {

// 40 Japanese characters, plain and with ruby and emphasis.
constexpr std::u16string_view kForty =
    u"縦書きで表示するクリップボードの文字列は一行四十文字ほどの長さで改行されています";
constexpr std::u16string_view kFortyWithRuby =
    u"｜吾輩《わがはい》は猫である。名前《なまえ》はまだ無《な》い。《《どこ》》で生れたか頓《とん"
    u"》と見当《けんとう》がつかぬ。";

// Times `step` on the doubles in the fixed mode, once a click shows
// `range(0)` bytes of UTF-16 from the clipboard: lines of `line` forty-character
// pieces ended by CR LF, in a window of 1350 twips by `height`. "prints"
// counts the text outputs.
void Measure(benchmark::State& state, int line, float height, void (*step)(TestForm&),
             std::u16string_view piece = kForty) {
    TestForm t;
    t.AsLoaded(10);
    t.form.FrameMode = 0.0F;
    t.form.FrameHeight = height;
    const auto units = static_cast<std::size_t>(state.range(0)) / sizeof(char16_t);
    while (t.clipboard.text.size() < units) {
        for (int pieces = 0; pieces < line; ++pieces) {
            t.clipboard.text += piece;
        }
        t.clipboard.text += u"\r\n";
    }
    t.clipboard.text.resize(units);
    t.form.Form_Click();
    for ([[maybe_unused]] auto _ : state) {
        t.window.calls.clear();
        step(t);
    }
    state.counters["prints"] = static_cast<double>(t.window.outputs.size());
}

void Click(TestForm& t) {
    t.form.ClipShown = 0;
    t.form.Form_Click();
}

// A click that shows the clipboard: 40-character lines in 38-cell columns
// (two columns a line), and 200-character lines wrapped at 40 cells.
void ShowingClick(benchmark::State& state) {
    Measure(state, 1, 8550, Click);
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
void WrappingClick(benchmark::State& state) {
    Measure(state, 5, 9150, Click);
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void RubyClick(benchmark::State& state) {
    Measure(state, 5, 9150, Click, kFortyWithRuby);
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

// The user's resize, between 40 and 39 cells a column.
void Rewrap(benchmark::State& state) {
    Measure(state, 5, 9150, [](TestForm& t) {
        t.window.height = t.window.height == 9150 ? 9000 : 9150;
        t.form.Form_Resize();
    });
}

// One column on from the middle of the text on display.
void Step(TestForm& t) {
    t.form.FirstColumn = static_cast<std::int32_t>(t.form.BreakCount / 2);
    t.form.Form_KeyDown(platform::Key::Left);
}
void ScrollStep(benchmark::State& state) {
    Measure(state, 1, 8550, Step);
}
void RubyScrollStep(benchmark::State& state) {
    Measure(state, 5, 9150, Step, kFortyWithRuby);
}

BENCHMARK(ShowingClick)->Arg(1 << 10)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(WrappingClick)->Arg(10 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(RubyClick)->Arg(10 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(Rewrap)->Arg(10 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(ScrollStep)->Arg(1 << 10)->Arg(10 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(RubyScrollStep)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ruvo::test

BENCHMARK_MAIN();
