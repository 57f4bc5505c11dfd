#include "doubles/Doubles.h"

#include <cstring>
#include <utility>

namespace ruvo::test {

std::u16string FakeClipboard::GetText() {
    ++reads;
    if (busy) {
        throw RuntimeError(ErrorNumber::ClipboardBusy);
    }
    return text;
}

std::string FakeFiles::ReadAll(const std::u16string& path) {
    Record("ReadAll", path);
    if (!files.contains(path)) {
        throw RuntimeError(ErrorNumber::FileNotFound, path);
    }
    return files[path];
}

void FakeFiles::Replace(const std::u16string& from, const std::u16string& to) {
    Record("Replace", from, to);
    files[to] = files.at(from);
    files.erase(from);
}

void FakeFiles::Remove(const std::u16string& path) noexcept {
    calls.push_back(Call("Remove", path));
    files.erase(path);
}

std::string FakeFiles::ToAnsi(std::u16string_view text) {
    return Convert("CP932", "UTF-16LE",
                   {reinterpret_cast<const char*>(text.data()), text.size() * 2});
}

std::u16string FakeFiles::FromAnsi(std::string_view bytes) {
    const std::string utf16 = Convert("UTF-16LE", "CP932", bytes);
    std::u16string text(utf16.size() / 2, u'\0');
    std::memcpy(text.data(), utf16.data(), utf16.size());  // both little-endian here
    return text;
}

void FakeCommonDialog::ShowFont() {
    Record("ShowFont");
    if (userCancels && cancelError) {
        throw RuntimeError(ErrorNumber::Cancel);
    }
    if (!userCancels) {
        fontName = userFontName.value_or(fontName);
        fontSize = userFontSize.value_or(fontSize);
    }
}

void FakeWindow::Cls() {
    Record("Cls");
    outputs.clear();
}

void FakeWindow::Print(std::u16string_view text) {
    Record("Print", text);
    if (!text.empty()) {
        outputs.push_back({currentX, currentY, std::u16string(text)});
    }
}

void FakeWindow::SetMenuChecked(platform::MenuItem item, bool on) {
    static const char* const kNames[] = {"None",   "Hyoji",   "Hfont", "Hfsize",  "Hkotei",
                                         "Hkahen", "Hkubun1", "Hhelp", "Hkubun2", "Hend"};
    Record("SetMenuChecked", std::string(kNames[static_cast<int>(item)]), on);
    checked[item] = on;
}

void FakeWindow::End() {
    Record("End");
    ended = true;
}

void FakeWindow::ReportError(const RuntimeError& error) {
    Record("ReportError", static_cast<int>(error.Number()));
    reports.push_back(error);
}

void FakeWindow::ShowMessage(std::u16string_view text) {
    Record("ShowMessage");
    messages.emplace_back(text);
}

platform::Handle FakeWindow::CreateFont(const platform::FontRequest& request) {
    Record("CreateFont", request.height, request.faceName);
    fontsCreated.push_back(request);
    return static_cast<platform::Handle>(0x200 + fontsCreated.size());
}

platform::Handle FakeWindow::SelectObject(platform::Handle deviceContext, platform::Handle object) {
    Record("SelectObject", deviceContext, object);
    return std::exchange(selectedFont, object);
}

void FakeWindow::DeleteObject(platform::Handle object) {
    Record("DeleteObject", object);
    fontsDeleted.push_back(object);
}

}  // namespace ruvo::test
