#include "doubles/Doubles.h"

#include <cstring>

namespace ruvo::test {

std::string FakeFiles::ReadAll(const std::u16string& path) {
    Record("ReadAll", path);
    if (!files.contains(path)) {
        throw RuntimeError(ErrorNumber::FileNotFound, path);
    }
    return files[path];
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

void FakeWindow::SetMenuChecked(platform::MenuItem item, bool on) {
    static const char* const kNames[] = {"None",   "Hyoji",      "Hfont", "Hfsize", "Hkotei",
                                         "Hkahen", "Horikaeshi", "Hrubi", "Hjido",  "Hkubun1",
                                         "Hhelp",  "Hkubun2",    "Hend"};
    Record("SetMenuChecked", std::string(kNames[static_cast<int>(item)]), on);
    checked[item] = on;
}

}  // namespace ruvo::test
