// What the reader does to the text on display: clicks, keys, the wheel and
// the bars, resizes, copies while 自動更新, sizes and fonts chosen, and the
// picture and the pages that take it out of the window.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <tuple>

#include "doubles/TestApp.h"

namespace ruvo::test {
namespace {

using platform::Key;
using platform::ScrollRequest;
using platform::Wheel;
using Bar = platform::ScrollBar;

// A started program at 10 points in 固定 without wrapping, in a window of
// 1350 × 8550 twips.
class ReadingTest : public ::testing::Test, protected TestApp {
  protected:
    ReadingTest() { Started("\"MS Mincho\",10,1350,8550,0,0,1,0\r\n"); }

    void Show(const std::u16string& text) {
        clipboard.text = text;
        app.OnKey(Key::F5);
    }
};

// A showing click that fails on the way is reported, saves nothing and
// leaves the next click to show again.
TEST_F(ReadingTest, AShowingThatFailsIsReportedAndSavesNothing) {
    const std::tuple<std::function<void(TestApp&)>, int> failures[] = {
        {[](TestApp& t) { t.clipboard.busy = true; }, 521},
        {[](TestApp& t) { t.window.surface.charWidth = 3e38F; }, 6},  // fits no window
        {[](TestApp& t) { t.window.surface.onCall = FailOn({"Text"}); }, 68},
    };
    for (const auto& [fail, number] : failures) {
        TestApp run;
        run.Started("\"MS Mincho\",10,1350,8550,1\r\n");
        run.clipboard.text = u"ab";
        fail(run);

        EXPECT_FALSE(run.app.Dispatch([&] { run.app.OnClick(); }));

        EXPECT_EQ(Joined(run.files.calls), "") << number;
        EXPECT_EQ(static_cast<int>(run.window.reports.at(0).Number()), number);
        EXPECT_FALSE(run.app.TextShown()) << number;
    }
}

// From column 5, cell 5 of 20 columns of 60 cells (3 columns and 36 cells a
// page, so 17 and 24 are as far as they go). Nothing is written or resized.
TEST_F(ReadingTest, KeysWheelsAndBarsMoveThroughTheText) {
    using Input = std::function<void(App&)>;
    const auto key = [](Key k) -> Input { return [k](App& a) { a.OnKey(k); }; };
    const auto wheel = [](Wheel w, int n) -> Input { return [w, n](App& a) { a.OnWheel(w, n); }; };
    const auto bar = [](Bar b, ScrollRequest r, int position = 0) -> Input {
        return [b, r, position](App& a) { a.OnScrollBar(b, r, position); };
    };
    const Bar h = Bar::Horizontal, v = Bar::Vertical;
    const std::tuple<Input, int, int> cases[] = {
        {key(Key::Left), 6, 5},
        {key(Key::Right), 4, 5},
        {key(Key::PageDown), 8, 5},
        {key(Key::PageUp), 2, 5},
        {key(Key::Home), 0, 5},
        {key(Key::End), 17, 5},
        {key(Key::Up), 5, 4},
        {key(Key::Down), 5, 6},
        {wheel(Wheel::Vertical, 1), 4, 5},
        {wheel(Wheel::Vertical, -2), 7, 5},
        {wheel(Wheel::Vertical, 100), 0, 5},
        {wheel(Wheel::Vertical, -100), 17, 5},
        {wheel(Wheel::VerticalWithShift, -1), 5, 6},
        {wheel(Wheel::Horizontal, 1), 4, 5},
        {bar(h, ScrollRequest::LineLess), 6, 5},
        {bar(h, ScrollRequest::LineMore), 4, 5},
        {bar(h, ScrollRequest::PageLess), 8, 5},
        {bar(h, ScrollRequest::PageMore), 2, 5},
        {bar(h, ScrollRequest::ToMinimum), 17, 5},
        {bar(h, ScrollRequest::ToMaximum), 0, 5},
        {bar(h, ScrollRequest::ToPosition, 17), 0, 5},
        {bar(h, ScrollRequest::ToPosition, 3), 14, 5},
        {bar(v, ScrollRequest::LineLess), 5, 4},
        {bar(v, ScrollRequest::PageMore), 5, 24},
        {bar(v, ScrollRequest::ToMinimum), 5, 0},
        {bar(v, ScrollRequest::ToMaximum), 5, 24},
        {bar(v, ScrollRequest::ToPosition, 10), 5, 10},
    };
    Show(Grid(20, 60));
    window.calls.clear();
    files.calls.clear();
    for (const auto& [input, column, cell] : cases) {
        app.OnScrollBar(h, ScrollRequest::ToPosition, 12);
        app.OnScrollBar(v, ScrollRequest::ToPosition, 5);

        input(app);

        const std::u16string first(1, Named(column, cell));
        EXPECT_EQ(Seen(window, 1), "1350x8550 " + Utf8(first) + "@926.25,195" +
                                       Call(" H", 19, 3, 17 - column) + Call(" V", 59, 36, cell));
    }
    EXPECT_EQ(Joined(files.calls) + Joined(window.calls), "") << "scrolling wrote or resized";
}

// A showing click starts at the beginning, a clearing one keeps the size,
// hides the bars and leaves the clipboard alone; a hand resize keeps the
// first column at the right edge; before anything is shown, and after a
// clearing click, keys do nothing.
TEST_F(ReadingTest, ClicksAndResizesAroundScrolling) {
    app.OnKey(Key::End);
    EXPECT_TRUE(window.calls.empty() && window.surface.calls.empty());
    clipboard.text = Grid(20, 60);
    app.OnClick();
    app.OnKey(Key::PageDown);
    app.OnKey(Key::Down);
    window.width = 2000;  // 5 columns a page
    app.OnResize();
    EXPECT_EQ(Seen(window, 1), "2000x8550 " + Utf8(std::u16string(1, Named(3, 1))) +
                                   "@1576.25,195 H(19,5,12) V(59,36,1)");
    app.OnClick();
    EXPECT_EQ(Seen(window), "2000x8550");
    window.surface.calls.clear();
    app.OnKey(Key::Home);
    EXPECT_TRUE(window.surface.calls.empty()) << "nothing on display to scroll";
    app.OnClick();
    EXPECT_EQ(Seen(window, 1), "2000x8550 " + Utf8(std::u16string(1, Named(0, 0))) +
                                   "@1576.25,195 H(19,5,15) V(59,36,0)");
    window.width = 6500;  // room for every column and cell
    window.height = 13000;
    app.OnResize();
    EXPECT_EQ(BarsSeen(window), "");
    EXPECT_EQ(clipboard.reads, 2) << "a clearing click read the clipboard";
}

// 折り返し lays the text out again at once, from the character at the top,
// fitting the window in the variable mode; the menu items write nothing.
TEST_F(ReadingTest, TheReadingOptionsTakeEffectAtOnce) {
    Show(Grid(1, 200));
    app.OnKey(Key::Down);
    app.OnMenu(platform::MenuItem::VariableSize);
    window.availableHeight = 3100;  // ten cells
    files.calls.clear();
    app.OnMenu(platform::MenuItem::Wrapping);
    EXPECT_EQ(ColumnsSeen(window) + " " + Utf8(window.surface.outputs.at(0).text),
              "5970x3045 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 " +
                  Utf8(std::u16string(1, Named(0, 0))));
    app.OnMenu(platform::MenuItem::Ruby);
    EXPECT_EQ(std::tuple(window.checked[platform::MenuItem::Wrapping],
                         window.checked[platform::MenuItem::Ruby], app.View().Typeset().ruby),
              std::tuple(true, false, false));
    EXPECT_TRUE(files.calls.empty()) << "a menu item wrote the settings";
}

// With 自動更新 a new text on the clipboard takes the place of the text on
// display as a showing click shows it, 固定 keeping the size the user gave the
// window, and the settings are written with that size. The item unchecked, a
// cleared view, a clipboard without text or a busy one leave the window and
// the file as they are, and nothing is reported.
TEST_F(ReadingTest, AClipboardChangeShowsANewTextOverAShownOneWhileAutoUpdating) {
    // What arranges the change, what then shows and the file written; none
    // where they stay as they were.
    const std::tuple<std::function<void(TestApp&)>, const char*, const char*> cases[] = {
        {[](TestApp&) {}, "420x1485 あ@251.25,195 い@251.25,390",
         "\"MS Mincho\",10,420,1485,1,1,1,1\r\n"},
        {[](TestApp& t) {
             t.app.OnMenu(platform::MenuItem::FixedSize);
             t.window.width = 2000, t.window.height = 5000;
         },
         "2000x5000 あ@1831.25,195 い@1831.25,390", "\"MS Mincho\",10,2000,5000,0,1,1,1\r\n"},
        {[](TestApp& t) { t.app.OnMenu(platform::MenuItem::AutoUpdate); }, nullptr, nullptr},
        {[](TestApp& t) { t.app.OnClick(); }, nullptr, nullptr},
        {[](TestApp& t) { t.clipboard.text.clear(); }, nullptr, nullptr},
        {[](TestApp& t) { t.clipboard.busy = true; }, nullptr, nullptr}};
    for (const auto& [arrange, shown, saved] : cases) {
        TestApp run;
        run.Started("\"MS Mincho\",10,1350,8550,1,1,1,1\r\n");
        run.clipboard.text = Grid(20, 60);
        run.app.OnClick();
        run.clipboard.text = u"あい";
        arrange(run);
        const std::string before = Seen(run.window), file = run.SavedFile();

        run.app.Dispatch([&] { run.app.OnClipboardChange(); });

        EXPECT_EQ(Seen(run.window), shown != nullptr ? shown : before);
        EXPECT_EQ(run.SavedFile(), saved != nullptr ? saved : file);
        EXPECT_TRUE(run.window.reports.empty());
    }
}

// F5 shows the clipboard's text from its start whatever is on display, Esc
// clears what is.
// Ctrl with the wheel, + or - steps along the usual sizes (from between two
// to the neighbour, past the ends nowhere), Ctrl+0 goes back to 12 points;
// a new size is saved, an unchanged one writes nothing.
TEST_F(ReadingTest, TheReadersKeys) {
    app.OnKey(Key::Escape);
    for (const std::u16string text : {u"あ", u"い"}) {
        Show(text);
        EXPECT_EQ(Seen(window), "1350x8550 " + Utf8(text) + "@1181.25,195 \u3000@1181.25,390");
    }
    app.OnKey(Key::Escape);
    EXPECT_EQ(Seen(window) + std::to_string(app.TextShown()), "1350x85500");
    Show(Grid(20, 60));
    app.OnKey(Key::End);
    app.OnKey(Key::F5);
    EXPECT_EQ(Seen(window, 1), "1350x8550 " + Utf8(std::u16string(1, Named(0, 0))) +
                                   "@926.25,195 H(19,3,17) V(59,36,0)");
    const int steps[][3] = {{12, 1, 14},   {12, -1, 11},  {13, 1, 14},  {13, -1, 12},
                            {10, 3, 14},   {5, 1, 8},     {8, -1, 8},   {72, 1, 72},
                            {100, -1, 72}, {100, 1, 100}, {36, -273, 8}};
    for (const auto& [from, notches, to] : steps) {
        Started("\"MS Mincho\"," + std::to_string(from) + ",1350,8550,1\r\n");
        app.OnWheel(Wheel::VerticalWithCtrl, notches);
        EXPECT_EQ(std::tuple(app.Settings().fontSize, files.calls.size()),
                  std::tuple(to, from == to ? 0U : 2U));
    }
    for (const auto& [from, key, to] :
         {std::tuple(28, Key::CtrlPlus, 36), std::tuple(28, Key::CtrlMinus, 26),
          std::tuple(40, Key::CtrlZero, 12)}) {
        Started("\"MS Mincho\"," + std::to_string(from) + ",1350,8550,1\r\n");
        app.OnKey(key);
        EXPECT_TRUE(SavedFile().starts_with("\"MS Mincho\"," + std::to_string(to) + ",")) << from;
    }
}

// The text on display is laid out again at once in the chosen font, the
// variable mode fitting the window, from the character at the top of the
// first column on screen. A font the platform will not make leaves the view,
// the font and the file as they were, and says which it was.
TEST_F(ReadingTest, AChosenFontShowsAtOnceOrIsRefused) {
    Started();
    Show(u"あ\r\nか\r\n" + std::u16string(60, u'\n'));  // wider than the screen
    app.OnKey(Key::Left);
    dialog.userFontName = u"IPAGothic";
    dialog.userFontSize = 24;  // 32 pixels
    window.surface.largestFont = 31;
    const std::string shown = Seen(window);
    files.calls.clear();
    app.OnMenu(platform::MenuItem::Font);
    EXPECT_EQ(Seen(window) + Joined(files.calls), shown);
    EXPECT_EQ(Utf8(window.messages.at(0)),
              "フォント「IPAGothic」を 24 ポイントで作れませんでした。\n\n"
              "フォントと大きさは前のまま（「MS Mincho」、12 ポイント）です。");
    // Taken, though its write fails; the next write stores it.
    window.surface.largestFont = 32;
    const std::string saved = SavedFile();
    files.onCall = FailOn({"WriteAll"});
    EXPECT_TRUE(app.Dispatch([&] { app.OnMenu(platform::MenuItem::Font); }));
    // As wide as the work area, a quarter of a 480-twip cell in from its right edge.
    EXPECT_EQ(Utf8(window.surface.outputs.at(0).text) + "@" + Num(window.surface.outputs[0].x),
              "か@15120");
    EXPECT_EQ(SavedFile(), saved);
    files.onCall = nullptr;
    app.OnClose();
    EXPECT_EQ(SavedFile(), "\"IPAGothic\",24,15360," + Num(window.height) + ",1\r\n");
}

// Ctrl+O and ファイルを開く ask for a file in the folder of the one opened or
// dropped last, and show it; cancelled, or with a file that cannot be shown,
// the view stays as it is.
TEST_F(ReadingTest, AFileOpensFromTheFolderOfTheLastOne) {
    Show(u"あ");
    const std::string before = Seen(window) + SavedFile();
    app.OnMenu(platform::MenuItem::OpenFile);
    app.OnFileDropped(u"E:\\無い.txt");
    EXPECT_EQ(Seen(window) + SavedFile() + std::to_string(window.messages.size()), before + "1");
    files.files[u"E:\\b.txt"] = "\xEF\xBB\xBFい\r\nう";
    dialog.userFile = u"E:\\b.txt";
    app.OnKey(Key::Escape);
    app.OnKey(Key::CtrlO);
    EXPECT_EQ(Joined(dialog.calls) + Seen(window) + " " + std::to_string(app.TextShown()) +
                  std::to_string(window.enabled[platform::MenuItem::Print]),
              "ChooseTextFile(),ChooseTextFile(E:\\)1350x8550 い@1181.25,195 う@888.75,195 11");
}

// The picture is the fitted window's client area, drawn as the window draws
// it (ruby, wrapping), and put on the clipboard without reading it; the items
// that take the text out are there while it is on display, and do nothing
// until it is.
TEST_F(ReadingTest, ThePictureIsTheFittedWindowsClientArea) {
    Started("\"MS Mincho\",10,1350,8550,1,1,1,0\r\n");
    for (const Key key : {Key::CtrlC, Key::CtrlS, Key::CtrlP, Key::F5, Key::CtrlC}) {
        clipboard.text = key == Key::F5 ? u"｜漢《かん》字\r\n" + Grid(1, 60) : u"";  // 53 a column
        app.OnKey(key);
    }
    EXPECT_EQ(Joined(pictures.calls) + Joined(dialog.calls) + Joined(printer.calls),
              Call("CopyToClipboard", window.ClientWidth() / 15, window.ClientHeight() / 15, 15));
    EXPECT_TRUE(pictures.canvas.outputs == window.surface.outputs);
    const auto enabled =
        std::ranges::count(window.enabled, true, &decltype(window.enabled)::value_type::second);
    app.OnKey(Key::Escape);
    EXPECT_EQ(std::tuple(enabled, window.enabled[platform::MenuItem::Print], clipboard.reads),
              std::tuple(3, false, 1));
}

// A picture is at most 16384 pixels on a side and 64 million in all: a text
// that needs more is cut at its end, the left and the bottom, and a message
// says what the picture holds; one where no character fits makes none.
TEST_F(ReadingTest, APictureTooLargeIsCutAtItsEnd) {
    const std::tuple<std::u16string, float, const char*, std::size_t, const char*> cases[] = {
        {Grid(2000, 1), 15, "CopyToClipboard(16380,30,15)", 840,
         "この画像には、全 2000 列のうち右から 840 列"},
        {std::u16string(100000, u'あ'), 15, "CopyToClipboard(20,16384,15)", 1259,
         "この画像には、各列の上から 1259 字分"},
        {Grid(300, 1300), 15, "CopyToClipboard(3900,16384,15)", 200 * 1259,
         "この画像には、全 300 列のうち右から 200 列、各列の上から 1259 字分"},
        {u"あ", 0.5F, "", 0, "この大きさの文字は 1 字も入りません。"},
    };
    for (const auto& [text, twipsPerPixel, made, outputs, message] : cases) {
        window.surface.twipsPerPixel = twipsPerPixel, Show(text);
        pictures.calls.clear(), pictures.canvas.outputs.clear(), window.messages.clear();

        app.OnMenu(platform::MenuItem::CopyPicture);

        EXPECT_EQ(
            std::tuple(Joined(pictures.calls), pictures.canvas.outputs.size(),
                       Utf8(window.messages.at(0))),
            std::tuple(made, outputs,
                       "画像は一辺 16384 ピクセル、全体で 6400 万ピクセルまでです。" +
                           std::string(message) + (outputs == 0 ? "" : "までを収めました。")));
    }
}

// 画像として保存 offers ruvo.png in the folder last used and writes the PNG
// beside its place first, under a name no file has: a cancel writes nothing,
// a failed write leaves the files as they were and names the file and why.
TEST_F(ReadingTest, APictureIsSavedThroughAFileBesideIt) {
    Show(u"あ");
    const std::u16string png = u"D:\\絵\\a.png";
    files.files = {{png, "old"}, {png + u".tmp", "mine"}};
    for (const char* fails : {"Replace", "Replace", ""}) {
        files.onCall = FailOn({fails}, ErrorNumber::PermissionDenied);
        app.OnKey(Key::CtrlS);
        EXPECT_EQ(files.files, (std::map<std::u16string, std::string>{{png, *fails ? "old" : "PNG"},
                                                                      {png + u".tmp", "mine"}}));
        dialog.userSavePath = png;
    }
    EXPECT_EQ(Joined(dialog.calls) + Utf8(window.messages.at(0)),
              "ChooseSaveFile(ruvo.png),ChooseSaveFile(ruvo.png),ChooseSaveFile(D:\\絵\\,ruvo.png)"
              "画像を保存できませんでした。\n\nD:\\絵\\a.png\n書き込みできません。");
}

// 印刷 lays the text out again inside 15 mm margins of the printable area:
// columns as long as it allows (wrapping on), as many a page as fit, every
// page full but the last; the pages asked for; nothing when the user cancels
// or asks for pages past the end; a printer that fails is aborted.
TEST_F(ReadingTest, PrintedPagesAreFullButTheLast) {
    // Pages 11906 twips wide hold 34 columns of 76 cells, or 7 of 10 square ones;
    // then the pages asked for, whether the user cancels or the printer fails.
    const std::tuple<float, std::int32_t, std::int32_t, bool, bool, const char*> cases[] = {
        {16838, 1, 9, false, false,
         "Start(Ruvo),EndPage(1700),EndPage(1700),EndPage(600),Finish()"},
        {4000, 2, 3, false, false, "Start(Ruvo),EndPage(70),EndPage(70),Finish()"},
        {16838, 4, 9, false, false, ""},
        {16838, 1, 9, true, false, ""},
        {16838, 1, 9, false, true, "Start(Ruvo),Abort()"},
    };
    Show(Grid(40, 100));
    for (const auto& [height, first, last, cancels, fails, calls] : cases) {
        printer.page.width = height == 4000 ? 4000 : 11906, printer.page.height = height;
        printer.pages = {first, last}, printer.userCancels = cancels;
        printer.onCall = FailOn({fails ? "EndPage" : ""}), printer.calls.clear();

        app.OnMenu(platform::MenuItem::Print);

        EXPECT_EQ(Joined(printer.calls), "Choose(0)" + std::string(*calls ? "," : "") + calls);
    }
    // On manuscript paper a sheet a page, across A4: 40 lines of 100 are 10 sheets.
    app.OnMenu(platform::MenuItem::Manuscript);
    printer.page.width = 16838, printer.page.height = 11906, printer.pages = {9, 10};
    printer.onCall = nullptr, printer.calls.clear();
    app.OnMenu(platform::MenuItem::Print);
    EXPECT_EQ(Joined(printer.calls), "Choose(1),Start(Ruvo),EndPage(401),EndPage(402),Finish()");
    // The last sheet's number, centred under it in the middle of the page.
    const FakeSurface::Output number = printer.page.outputs.at(0);
    EXPECT_EQ(Utf8(number.text) + "@" + Num(number.x) + "," + Num(number.y),
              "10 / 10@7762.75,9609.25");
    EXPECT_EQ(Utf8(window.messages.at(0) + window.messages.at(1)),
              "印刷するページがありません。この文書は 3 ページです。"
              "印刷の途中で失敗したため、印刷を中止しました。\n\nデバイスが準備されていません。");
}

}  // namespace
}  // namespace ruvo::test
