#include "doubles/FakeCommonDialog.h"

#include "doubles/Text.h"
#include "platform/Error.h"

namespace ruvo::test {

void FakeCommonDialog::Record(const std::string& name, const std::string& value) {
    if (onCall) {
        onCall(name);
    }
    calls.push_back(value.empty() ? name : name + "=" + value);
}

void FakeCommonDialog::SetCancelError(bool on) {
    Record("CancelError", on ? "1" : "0");
    cancelError = on;
}
void FakeCommonDialog::SetFlags(std::int32_t value) {
    Record("Flags", std::to_string(value));
    flags = value;
}
void FakeCommonDialog::SetFontName(const std::u16string& name) {
    Record("FontName", Utf8(name));
    fontName = name;
}
std::u16string FakeCommonDialog::FontName() {
    return fontName;
}
void FakeCommonDialog::SetFontSize(float points) {
    Record("FontSize", Num(points));
    fontSize = points;
}
float FakeCommonDialog::FontSize() {
    return fontSize;
}
void FakeCommonDialog::SetFontBold(bool on) {
    Record("FontBold", on ? "1" : "0");
    fontBold = on;
}
void FakeCommonDialog::SetFontItalic(bool on) {
    Record("FontItalic", on ? "1" : "0");
    fontItalic = on;
}

void FakeCommonDialog::ShowFont() {
    Record("ShowFont", "");
    if (userCancels) {
        if (cancelError) {
            throw RuntimeError(ErrorNumber::Cancel);
        }
        return;
    }
    if (userFontName) {
        fontName = *userFontName;
    }
    if (userFontSize) {
        fontSize = *userFontSize;
    }
}

void FakeCommonDialog::SetHelpCommand(std::int16_t command) {
    Record("HelpCommand", std::to_string(command));
    helpCommand = command;
}
void FakeCommonDialog::SetHelpFile(const std::u16string& path) {
    Record("HelpFile", Utf8(path));
    helpFile = path;
}
void FakeCommonDialog::ShowHelp() {
    Record("ShowHelp", "");
}
void FakeCommonDialog::OpenDocument(const std::u16string& path) {
    Record("OpenDocument", Utf8(path));
    openedDocument = path;
}

}  // namespace ruvo::test
