#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <string>

#include "doubles/TestApp.h"

namespace ruvo::test {
namespace {

// 40 Japanese characters, plain and with ruby and emphasis.
constexpr std::u16string_view kForty =
    u"縦書きで表示するクリップボードの文字列は一行四十文字ほどの長さで改行されています";
constexpr std::u16string_view kFortyWithRuby =
    u"｜吾輩《わがはい》は猫である。名前《なまえ》はまだ無《な》い。《《どこ》》で生れたか頓《とん"
    u"》と見当《けんとう》がつかぬ。";
// An e-text's line of 40: indented, with ruby and 傍点.
constexpr std::u16string_view kFortyAnnotated =
    u"［＃２字下げ］吾輩《わがはい》は猫である。［＃「猫」に傍点］名前はまだ無い。"
    u"［＃「無い」に白ゴマ傍点］どこで生れたかとんと見当がつかぬ。";

// Times `step` on the doubles in the fixed mode, once a click shows
// `range(0)` bytes of UTF-16 from the clipboard: lines of `line` pieces ended
// by CR LF, in a window of 1350 twips by `height`, with the options the
// settings line gives after its mode. "prints" counts the text outputs, "peak
// MB" is the most memory the process has held.
void Measure(benchmark::State& state, int line, float height, void (*step)(TestApp&),
             std::u16string_view piece, const char* options = "") {
    TestApp t;
    t.Started("\"MS Mincho\",10,1350," + std::to_string(static_cast<int>(height)) + ",0" + options +
              "\r\n");
    const auto units = static_cast<std::size_t>(state.range(0)) / sizeof(char16_t);
    while (t.clipboard.text.size() < units) {
        for (int pieces = 0; pieces < line; ++pieces) {
            t.clipboard.text += piece;
        }
        t.clipboard.text += u"\r\n";
    }
    t.clipboard.text.resize(units);
    t.files.files[u"C:\\e.txt"] = Utf8(t.clipboard.text);
    t.app.OnClick();
    for ([[maybe_unused]] auto _ : state) {
        t.window.surface.calls.clear(), t.pictures.canvas.calls.clear();
        step(t);
    }
    state.counters["prints"] = static_cast<double>(t.window.surface.outputs.size());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak MB"] = static_cast<double>(usage.ru_maxrss) / 1024;
}

// A click that shows the clipboard, as F5 does over what is on display.
void Click(TestApp& t) {
    t.app.OnKey(platform::Key::F5);
}
// The user's resize, between 40 and 39 cells a column.
void Resize(TestApp& t) {
    t.window.height = t.window.height == 9150 ? 9000 : 9150;
    t.app.OnResize();
}
// The same text dropped as a UTF-8 file: read, decoded and shown.
void Open(TestApp& t) {
    t.app.OnFileDropped(u"C:\\e.txt");
}
// One column on from the middle of the text on display, or back to it.
void Step(TestApp& t) {
    const auto middle = static_cast<std::int32_t>(t.app.View().Laid().starts.size() / 2);
    const auto first = static_cast<std::int32_t>(t.app.View().FirstColumn());
    t.app.OnWheel(platform::Wheel::Vertical, first == middle ? -1 : first - middle);
}

// Sizes of text, timed in milliseconds.
void Small(benchmark::internal::Benchmark* b) {
    b->Arg(1 << 10)->Arg(1 << 20);
}
void Large(benchmark::internal::Benchmark* b) {
    b->Arg(10 << 20)->Unit(benchmark::kMillisecond);
}

// Lines of 40 characters in 38-cell columns (two columns a line), and of 200
// wrapped at 40 cells.
BENCHMARK_CAPTURE(Measure, Click, 1, 8550, Click, kForty)->Apply(Small)->Apply(Large);
BENCHMARK_CAPTURE(Measure, WrappingClick, 5, 9150, Click, kForty)->Apply(Large);
BENCHMARK_CAPTURE(Measure, RubyClick, 5, 9150, Click, kFortyWithRuby)->Apply(Large);
BENCHMARK_CAPTURE(Measure, AnnotatedFile, 1, 9150, Open, kFortyAnnotated)->Apply(Large);
BENCHMARK_CAPTURE(Measure, Rewrap, 5, 9150, Resize, kForty)->Apply(Large);
BENCHMARK_CAPTURE(Measure, ScrollStep, 1, 8550, Step, kForty)->Apply(Small)->Apply(Large);
BENCHMARK_CAPTURE(Measure, RubyScrollStep, 5, 9150, Step, kFortyWithRuby)->Apply(Large);
// On manuscript paper, laid out and counted, and a step through the sheets.
BENCHMARK_CAPTURE(Measure, SheetsClick, 5, 9150, Click, kForty, ",1,1,0,0,1")->Apply(Large);
BENCHMARK_CAPTURE(Measure, SheetsScrollStep, 5, 9150, Step, kForty, ",1,1,0,0,1")->Apply(Large);
// A picture of the text on display on the clipboard, as Ctrl+C puts it.
BENCHMARK_CAPTURE(
    Measure, CopyPicture, 5, 9150, +[](TestApp& t) { t.app.OnKey(platform::Key::CtrlC); }, kForty)
    ->Apply(Large);

}  // namespace
}  // namespace ruvo::test

BENCHMARK_MAIN();
