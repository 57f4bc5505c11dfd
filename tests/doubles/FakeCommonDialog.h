#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "doubles/Text.h"
#include "platform/CommonDialog.h"

namespace ruvo::test {

// The common-dialog component with a scripted user at the font chooser.
// Every property set and method call is logged in order in `calls`, e.g.
// "Flags=3", "ShowFont".
class FakeCommonDialog : public platform::CommonDialog {
  public:
    bool userCancels = false;
    std::optional<std::u16string> userFontName;  // unset: confirms the preset
    std::optional<float> userFontSize;
    std::vector<std::string> calls;
    // Called with the property or method name before it acts; throw from it
    // to make that step fail.
    std::function<void(const std::string& name)> onCall;

    void SetCancelError(bool on) override { cancelError_ = Record("CancelError", on); }
    void SetFlags(std::int32_t flags) override { Record("Flags", flags); }
    void SetFontName(const std::u16string& name) override { fontName_ = Record("FontName", name); }
    std::u16string FontName() override { return fontName_; }
    void SetFontSize(float points) override { fontSize_ = Record("FontSize", points); }
    float FontSize() override { return fontSize_; }
    void SetFontBold(bool on) override { Record("FontBold", on); }
    void SetFontItalic(bool on) override { Record("FontItalic", on); }
    void ShowFont() override;
    void SetHelpCommand(std::int16_t command) override { Record("HelpCommand", command); }
    void SetHelpFile(const std::u16string& path) override { Record("HelpFile", path); }
    void ShowHelp() override { Record("ShowHelp"); }
    void OpenDocument(const std::u16string& path) override { Record("OpenDocument", path); }

  private:
    void Record(const std::string& call) {
        if (onCall) {
            onCall(call.substr(0, call.find('=')));
        }
        calls.push_back(call);
    }
    template <typename T>
    T Record(const std::string& name, T value) {
        if constexpr (std::is_same_v<T, std::u16string>) {
            Record(name + "=" + Utf8(value));
        } else {
            Record(name + "=" + Num(static_cast<double>(value)));
        }
        return value;
    }

    bool cancelError_ = false;
    std::u16string fontName_;
    float fontSize_ = 0;
};

}  // namespace ruvo::test
