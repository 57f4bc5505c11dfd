#include "app/App.h"

#include <exception>
#include <optional>
#include <utility>

#include "dialogs/FontCommand.h"
#include "dialogs/HelpCommand.h"
#include "document/TextFile.h"
#include "platform/Convert.h"
#include "settings/SettingsFile.h"

namespace ruvo {

namespace {

using platform::Key;
using platform::MenuItem;
using platform::ScrollRequest;
using Axis = ScrollMove::Axis;
using Kind = ScrollMove::Kind;

// Outer size of the window while start-up places it, before the saved size.
constexpr std::int32_t kStartWidthPixels = 90;
constexpr std::int32_t kStartHeightPixels = 570;

}  // namespace

App::App(platform::Window& window, platform::Clipboard& clipboard, platform::CommonDialog& dialogs,
         platform::Files& files, platform::Pictures& pictures, platform::Printer& printer)
    : window_(window),
      clipboard_(clipboard),
      dialogs_(dialogs),
      files_(files),
      pictures_(pictures),
      printer_(printer),
      view_(window) {}

void App::Start() {
    folder_ = files_.ExecutableDirectory();
    if (folder_.empty() || folder_.back() != u'\\') {
        folder_ += u'\\';
    }
    window_.ShowTopmost(kStartWidthPixels, kStartHeightPixels);
    settings_ = ReadSettingsFile(files_, folder_);
    window_.SetWidth(ToSingle(settings_.frameWidth));
    window_.SetHeight(ToSingle(settings_.frameHeight));
    CheckMenuItems();
}

void App::OnClick() {
    if (textShown_) {
        ClearView();
    } else {
        ShowText(clipboard_.GetText());
    }
}

void App::OnMenu(MenuItem item) {
    switch (item) {
        case MenuItem::Font:
            return ChooseFontCommand();
        case MenuItem::FixedSize:
            return OnFrameSizeChosen(0.0F);
        case MenuItem::VariableSize:
            return OnFrameSizeChosen(1.0F);
        case MenuItem::Wrapping:
            return OnOptionToggled(settings_.wrapping, MenuItem::Wrapping);
        case MenuItem::LengthToWindow:
            return OnColumnLengthChosen(0);
        case MenuItem::Length20:
            return OnColumnLengthChosen(20);
        case MenuItem::Length40:
            return OnColumnLengthChosen(40);
        case MenuItem::Length42:
            return OnColumnLengthChosen(42);
        case MenuItem::Ruby:
            return OnOptionToggled(settings_.ruby, MenuItem::Ruby);
        case MenuItem::Manuscript:
            return OnOptionToggled(settings_.manuscript, MenuItem::Manuscript);
        case MenuItem::AutoUpdate:
            return OnAutoUpdateToggled();
        case MenuItem::OpenFile:
            return OpenFileCommand();
        case MenuItem::CopyPicture:
            return CopyPictureCommand();
        case MenuItem::SavePicture:
            return SavePictureCommand();
        case MenuItem::Print:
            return PrintCommand();
        case MenuItem::Help:
            return ShowHelp(dialogs_, files_, window_, folder_);
        case MenuItem::Exit:
            return window_.End();
        case MenuItem::None:
        case MenuItem::Format:
        case MenuItem::FrameSize:
        case MenuItem::ColumnLength:
            return;  // drop-downs and separators carry no command
    }
}

// Forward is on through the text: leftwards along the columns, down a column.
// F5 shows the clipboard's text whatever is on display, Esc clears what is,
// Ctrl with +, - and 0 sizes the text, Ctrl+O opens a file, and Ctrl with C,
// S and P are the menu's picture and print commands.
void App::OnKey(Key key) {
    switch (key) {
        case Key::Left:
            return view_.Scroll({Axis::Columns, Kind::Steps, 1});
        case Key::Right:
            return view_.Scroll({Axis::Columns, Kind::Steps, -1});
        case Key::PageDown:
            return view_.Scroll({Axis::Columns, Kind::Pages, 1});
        case Key::PageUp:
            return view_.Scroll({Axis::Columns, Kind::Pages, -1});
        case Key::Home:
            return view_.Scroll({Axis::Columns, Kind::Start});
        case Key::End:
            return view_.Scroll({Axis::Columns, Kind::End});
        case Key::Up:
            return view_.Scroll({Axis::Cells, Kind::Steps, -1});
        case Key::Down:
            return view_.Scroll({Axis::Cells, Kind::Steps, 1});
        case Key::F5:
            return ShowText(clipboard_.GetText());
        case Key::Escape:
            if (textShown_) {
                ClearView();
            }
            return;
        case Key::CtrlPlus:
            return ChangeFontSize(SteppedSize(settings_.fontSize, 1));
        case Key::CtrlMinus:
            return ChangeFontSize(SteppedSize(settings_.fontSize, -1));
        case Key::CtrlZero:
            return ChangeFontSize(kStandardSize);
        case Key::CtrlO:
            return OpenFileCommand();
        case Key::CtrlC:
            return CopyPictureCommand();
        case Key::CtrlS:
            return SavePictureCommand();
        case Key::CtrlP:
            return PrintCommand();
    }
}

// A notch towards the user, or a tilt to the left, goes forward; with Ctrl
// a notch away from the user is a size larger.
void App::OnWheel(platform::Wheel wheel, std::int32_t notches) {
    if (wheel == platform::Wheel::VerticalWithCtrl) {
        return ChangeFontSize(SteppedSize(settings_.fontSize, notches));
    }
    const Axis axis = wheel == platform::Wheel::VerticalWithShift ? Axis::Cells : Axis::Columns;
    view_.Scroll({axis, Kind::Steps, -notches});
}

// The column bar runs from the right, where the text begins, so its "less"
// end is the last column.
void App::OnScrollBar(platform::ScrollBar bar, ScrollRequest request, std::int32_t position) {
    const bool columns = bar == platform::ScrollBar::Horizontal;
    const Axis axis = columns ? Axis::Columns : Axis::Cells;
    const std::int32_t forward = columns ? -1 : 1;  // bar steps in reading order
    switch (request) {
        case ScrollRequest::LineLess:
            return view_.Scroll({axis, Kind::Steps, -forward});
        case ScrollRequest::LineMore:
            return view_.Scroll({axis, Kind::Steps, forward});
        case ScrollRequest::PageLess:
            return view_.Scroll({axis, Kind::Pages, -forward});
        case ScrollRequest::PageMore:
            return view_.Scroll({axis, Kind::Pages, forward});
        case ScrollRequest::ToMinimum:
            return view_.Scroll({axis, columns ? Kind::End : Kind::Start});
        case ScrollRequest::ToMaximum:
            return view_.Scroll({axis, columns ? Kind::Start : Kind::End});
        case ScrollRequest::ToPosition:
            return view_.Scroll({axis, Kind::Thumb, position});
    }
}

void App::OnResize() {
    view_.FollowResize();
}

// With 自動更新 a newly copied text takes the place of the one on display,
// as a showing click would; a cleared view stays cleared until a click. The
// user did nothing, so a clipboard that cannot be read now (busy, or too
// large) waits for its next change, and one without text, or with the empty
// text, leaves the text being read where it is.
void App::OnClipboardChange() {
    if (!settings_.autoUpdate || !textShown_) {
        return;
    }
    std::u16string text;
    try {
        text = clipboard_.GetText();
    } catch (const std::exception&) {
        return;  // nothing to report: the next change is read again
    }
    if (!text.empty()) {
        ShowText(std::move(text));
    }
}

void App::OnFileDropped(const std::u16string& path) {
    ShowFile(path);
}

void App::OnClose() {
    SaveSettings();
}

void App::ShowText(std::u16string text) {
    view_.Show(std::move(text), TypesettingNow(), FitsText(settings_));
    EnableOutputItems();
    SaveSettings();
    textShown_ = true;
}

void App::OpenFileCommand() {
    if (const std::optional<std::u16string> path = dialogs_.ChooseTextFile(fileFolder_)) {
        ShowFile(*path);
    }
}

void App::ShowFile(const std::u16string& path) {
    fileFolder_ = path.substr(0, path.find_last_of(u'\\') + 1);
    TextFile file = ReadTextFile(files_, path);
    if (!file.problem.empty()) {
        window_.ShowMessage(file.problem);
        return;
    }
    ShowText(std::move(file.text));
}

void App::ClearView() {
    view_.Clear();
    EnableOutputItems();
    SaveSettings();
    textShown_ = false;
}

// Takes effect with the next showing; the next settings write stores it.
void App::OnFrameSizeChosen(float mode) {
    settings_.frameMode = mode;
    window_.SetMenuChecked(MenuItem::VariableSize, FitsText(settings_));
    window_.SetMenuChecked(MenuItem::FixedSize, !FitsText(settings_));
}

// The reading options take effect at once, the variable mode fitting the
// window to the new columns; the next settings write stores them.
void App::OnOptionToggled(bool& option, MenuItem item) {
    option = !option;
    window_.SetMenuChecked(item, option);
    view_.LayOutAgain(TypesettingNow(), FitsText(settings_));
}

void App::OnColumnLengthChosen(std::int32_t cells) {
    settings_.columnLength = cells;
    CheckColumnLength();
    view_.LayOutAgain(TypesettingNow(), FitsText(settings_));
}

// Takes effect with the next change of the clipboard.
void App::OnAutoUpdateToggled() {
    settings_.autoUpdate = !settings_.autoUpdate;
    window_.SetMenuChecked(MenuItem::AutoUpdate, settings_.autoUpdate);
}

void App::ChooseFontCommand() {
    if (const std::optional<ChosenFont> chosen =
            ChooseFont(dialogs_, {settings_.faceName, settings_.fontSize})) {
        TakeFont(chosen->face, chosen->points);
    }
}

void App::ChangeFontSize(std::int32_t points) {
    if (points != settings_.fontSize) {
        TakeFont(settings_.faceName, points);
    }
}

void App::TakeFont(const std::u16string& face, std::int32_t points) {
    bool made = false;
    try {
        made = window_.ClientSurface().Realises(FontsFor(face, points).text);
    } catch (const RuntimeError&) {
        // a size no font can carry
    }
    if (!made) {
        window_.ShowMessage(u"フォント「" + face + u"」を " + Decimal(points) +
                            u" ポイントで作れませんでした。\n\nフォントと大きさは前のまま（「" +
                            settings_.faceName + u"」、" + Decimal(settings_.fontSize) +
                            u" ポイント）です。");
        return;
    }
    settings_.faceName = face;
    settings_.fontSize = points;
    view_.LayOutAgain(TypesettingNow(), FitsText(settings_));
    try {
        SaveSettings();
    } catch (const std::exception&) {
        // A font's write that fails leaves the file as it was; the new font
        // reaches it with the next write that works.
    }
}

void App::CheckMenuItems() {
    window_.SetMenuChecked(MenuItem::VariableSize, FitsText(settings_));
    window_.SetMenuChecked(MenuItem::FixedSize, !FitsText(settings_));
    window_.SetMenuChecked(MenuItem::Wrapping, settings_.wrapping);
    window_.SetMenuChecked(MenuItem::Ruby, settings_.ruby);
    window_.SetMenuChecked(MenuItem::AutoUpdate, settings_.autoUpdate);
    CheckColumnLength();
    window_.SetMenuChecked(MenuItem::Manuscript, settings_.manuscript);
}

void App::CheckColumnLength() {
    for (const auto& [item, cells] :
         {std::pair(MenuItem::LengthToWindow, 0), std::pair(MenuItem::Length20, 20),
          std::pair(MenuItem::Length40, 40), std::pair(MenuItem::Length42, 42)}) {
        window_.SetMenuChecked(item, settings_.columnLength == cells);
    }
}

Typesetting App::TypesettingNow() const {
    return {settings_.faceName,
            settings_.fontSize,
            settings_.wrapping,
            settings_.ruby,
            static_cast<std::size_t>(settings_.columnLength),
            settings_.manuscript};
}

void App::SaveSettings() {
    settings_.frameWidth = window_.Width();
    settings_.frameHeight = window_.Height();
    WriteSettingsFile(files_, folder_, settings_);
}

void App::ReportAndEnd(const RuntimeError& error) noexcept {
    try {
        window_.ReportError(error);
    } catch (...) {
        // Nothing is left to report with; end regardless.
    }
    window_.End();
}

}  // namespace ruvo
