// The commands that take the text on display out of the window: a picture of
// it on the clipboard or in a PNG file, and printed pages.
#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "app/App.h"
#include "platform/Convert.h"

namespace ruvo {

namespace {

using platform::MenuItem;

constexpr std::u16string_view kPictureName = u"ruvo.png";
constexpr std::u16string_view kJobName = u"Ruvo";
constexpr std::u16string_view kLimits =
    u"画像は一辺 16384 ピクセル、全体で 6400 万ピクセルまでです。";

// The folder of a full path, with its "\"; empty for a bare name.
std::u16string FolderOf(const std::u16string& path) {
    return path.substr(0, path.find_last_of(u"\\/") + 1);
}

// A name beside the file that no file has yet, to write it under first.
std::u16string UnusedTemporary(platform::Files& files, const std::u16string& path) {
    std::u16string temporary = path + u".tmp";
    for (std::int64_t number = 1; files.Exists(temporary); ++number) {
        temporary = path + u"." + Decimal(number) + u".tmp";
    }
    return temporary;
}

}  // namespace

void App::EnableOutputItems() {
    for (const MenuItem item : {MenuItem::CopyPicture, MenuItem::SavePicture, MenuItem::Print}) {
        window_.SetMenuEnabled(item, !view_.Empty());
    }
}

// The clipboard then holds a bitmap and no text, so that 自動更新 leaves the
// text on display where it is.
void App::CopyPictureCommand() {
    const std::optional<PictureSize> size = PictureToMake();
    if (!size) {
        return;
    }
    try {
        pictures_.CopyToClipboard(
            size->width, size->height, window_.TwipsPerPixel(),
            [&](platform::Surface& canvas) { view_.DrawPicture(canvas, *size); });
    } catch (const RuntimeError& error) {
        window_.ShowMessage(u"画像をクリップボードにコピーできませんでした。\n\n" + error.Text());
        return;
    }
    ReportCut(*size);
}

// The file is written beside its place and then takes it, so that a failed
// save leaves no part of a file and a file that was there as it was.
void App::SavePictureCommand() {
    const std::optional<PictureSize> size = PictureToMake();
    if (!size) {
        return;
    }
    const std::optional<std::u16string> path = dialogs_.ChooseSaveFile(
        {saveFolder_, std::u16string(kPictureName), u"PNG (*.png)", u"png"});
    if (!path) {
        return;
    }
    saveFolder_ = FolderOf(*path);
    try {
        const std::string png = pictures_.EncodePng(
            size->width, size->height, window_.TwipsPerPixel(),
            [&](platform::Surface& canvas) { view_.DrawPicture(canvas, *size); });
        platform::WriteReplacing(files_, *path, UnusedTemporary(files_, *path), png);
    } catch (const RuntimeError& error) {
        window_.ShowMessage(u"画像を保存できませんでした。\n\n" + *path + u"\n" +
                            ErrorText(error.Number()));
        return;
    }
    ReportCut(*size);
}

// The pages the user asked for, of as many as the text needs on the chosen
// printer's paper; a printer that fails on the way has the job dropped.
void App::PrintCommand() {
    if (view_.Empty()) {
        return;
    }
    std::unique_ptr<platform::PrintJob> job;
    try {
        // A manuscript sheet stands across its page.
        job = printer_.Choose(view_.Typeset().manuscript);
    } catch (const RuntimeError& error) {
        window_.ShowMessage(u"印刷できませんでした。\n\n" + error.Text());
        return;
    }
    if (!job) {
        return;  // cancelled
    }
    PrintedPages pages(view_.Text(), view_.Typeset(), job->Page());
    const platform::PageRange range = job->Pages();
    const auto first = static_cast<std::size_t>(std::max(range.first, 1) - 1);
    const std::size_t end =
        std::min(pages.Count(), static_cast<std::size_t>(std::max(range.last, 0)));
    if (first >= end) {
        window_.ShowMessage(u"印刷するページがありません。この文書は " +
                            Decimal(static_cast<std::int64_t>(pages.Count())) + u" ページです。");
        return;
    }
    try {
        job->Start(kJobName);
        for (std::size_t page = first; page < end; ++page) {
            job->StartPage();
            pages.Draw(page);
            job->EndPage();
        }
        job->Finish();
    } catch (const RuntimeError& error) {
        job->Abort();
        window_.ShowMessage(u"印刷の途中で失敗したため、印刷を中止しました。\n\n" + error.Text());
    }
}

std::optional<PictureSize> App::PictureToMake() {
    if (view_.Empty()) {
        return std::nullopt;
    }
    const PictureSize size = view_.MeasurePicture();
    if (size.Empty()) {
        window_.ShowMessage(std::u16string(kLimits) + u"この大きさの文字は 1 字も入りません。");
        return std::nullopt;
    }
    return size;
}

void App::ReportCut(const PictureSize& size) {
    if (!size.Cut()) {
        return;
    }
    const auto count = [](std::size_t n) { return Decimal(static_cast<std::int64_t>(n)); };
    std::u16string held;
    if (size.columnsHeld < size.columns) {
        held =
            u"全 " + count(size.columns) + u" 列のうち右から " + count(size.columnsHeld) + u" 列";
    }
    if (size.cellsHeld < size.cells) {
        held += (held.empty() ? u"" : u"、") + std::u16string(u"各列の上から ") +
                count(size.cellsHeld) + u" 字分";
    }
    window_.ShowMessage(std::u16string(kLimits) + u"この画像には、" + held + u"までを収めました。");
}

}  // namespace ruvo
