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

void FakeFiles::Record(const std::string& name, const std::u16string& argument) {
    if (onCall) {
        onCall(name);
    }
    calls.push_back(name + "(" + Utf8(argument) + ")");
}

std::string FakeFiles::ReadAll(const std::u16string& path) {
    Record("ReadAll", path);
    const auto found = files.find(path);
    if (found == files.end()) {
        throw RuntimeError(ErrorNumber::FileNotFound, path);
    }
    return found->second;
}

void FakeFiles::WriteAll(const std::u16string& path, std::string_view bytes) {
    Record("WriteAll", path);
    files[path] = bytes;
}

void FakeFiles::Replace(const std::u16string& from, const std::u16string& to) {
    Record("Replace", from + u"," + to);
    files[to] = files.at(from);
    files.erase(from);
}

void FakeFiles::Remove(const std::u16string& path) noexcept {
    calls.push_back("Remove(" + Utf8(path) + ")");
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

template <typename T>
T FakeCommonDialog::Record(const std::string& name, T value) {
    if (onCall) {
        onCall(name);
    }
    if constexpr (std::is_same_v<T, std::u16string>) {
        calls.push_back(name + "=" + Utf8(value));
    } else if constexpr (std::is_same_v<T, std::nullopt_t>) {
        calls.push_back(name);
    } else {
        calls.push_back(name + "=" + Num(static_cast<double>(value)));
    }
    return value;
}

void FakeCommonDialog::ShowFont() {
    Record("ShowFont", std::nullopt);
    if (userCancels && cancelError_) {
        throw RuntimeError(ErrorNumber::Cancel);
    }
    if (!userCancels) {
        fontName_ = userFontName.value_or(fontName_);
        fontSize_ = userFontSize.value_or(fontSize_);
    }
}

void FakeWindow::Record(const std::string& name, const std::string& arguments) {
    if (onCall) {
        onCall(name);
    }
    calls.push_back(name + "(" + arguments + ")");
}

void FakeWindow::Cls() {
    Record("Cls");
    outputs.clear();
}

void FakeWindow::Print(std::u16string_view text) {
    Record("Print", Utf8(text));
    if (!text.empty()) {
        outputs.push_back({currentX, currentY, std::u16string(text)});
    }
}

void FakeWindow::SetMenuChecked(platform::MenuItem item, bool on) {
    static const char* const kNames[] = {"None",   "Hyoji",   "Hfont", "Hfsize",  "Hkotei",
                                         "Hkahen", "Hkubun1", "Hhelp", "Hkubun2", "Hend"};
    Record("SetMenuChecked", kNames[static_cast<int>(item)] + std::string(on ? ",1" : ",0"));
    checked[item] = on;
}

void FakeWindow::End() {
    Record("End");
    ended = true;
}

void FakeWindow::ReportError(const RuntimeError& error) {
    Record("ReportError", std::to_string(static_cast<int>(error.Number())));
    reports.push_back(error);
}

void FakeWindow::ShowMessage(std::u16string_view text) {
    Record("ShowMessage");
    messages.emplace_back(text);
}

void FakeWindow::SetWindowPos(platform::Handle window, platform::Handle insertAfter, std::int32_t x,
                              std::int32_t y, std::int32_t cx, std::int32_t cy,
                              std::uint32_t flags) {
    std::string arguments;
    for (const std::int64_t value : {window, insertAfter, std::int64_t{x}, std::int64_t{y},
                                     std::int64_t{cx}, std::int64_t{cy}, std::int64_t{flags}}) {
        arguments += (arguments.empty() ? "" : ",") + std::to_string(value);
    }
    Record("SetWindowPos", arguments);
}

platform::Handle FakeWindow::CreateFont(const platform::FontRequest& request) {
    Record("CreateFont", std::to_string(request.height) + "," + Utf8(request.faceName));
    fontsCreated.push_back(request);
    return static_cast<platform::Handle>(0x200 + fontsCreated.size());
}

platform::Handle FakeWindow::SelectObject(platform::Handle deviceContext, platform::Handle object) {
    Record("SelectObject", std::to_string(deviceContext) + "," + std::to_string(object));
    return std::exchange(selectedFont, object);
}

void FakeWindow::DeleteObject(platform::Handle object) {
    Record("DeleteObject", std::to_string(object));
    fontsDeleted.push_back(object);
}

}  // namespace ruvo::test
