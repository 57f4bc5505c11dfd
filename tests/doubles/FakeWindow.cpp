#include "doubles/FakeWindow.h"

#include <utility>

namespace ruvo::test {

void FakeWindow::Record(const std::string& name, const std::string& arguments) {
    if (onCall) {
        onCall(name);
    }
    calls.push_back(name + "(" + arguments + ")");
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

void FakeWindow::ReportError(const RuntimeError& error) {
    Record("ReportError", std::to_string(static_cast<int>(error.Number())));
    reports.push_back(error);
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

}  // namespace ruvo::test
