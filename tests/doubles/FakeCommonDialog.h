#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/CommonDialog.h"

namespace ruvo::test {

// The common-dialog component with a scripted user. Every property set and
// method call is logged in order in `calls`, e.g. "Flags=3", "ShowFont".
class FakeCommonDialog : public platform::CommonDialog {
  public:
    // --- the component's properties as last set ---
    bool cancelError = false;
    std::int32_t flags = 0;
    std::u16string fontName;
    float fontSize = 0;
    bool fontBold = false;
    bool fontItalic = false;
    std::int16_t helpCommand = 0;
    std::u16string helpFile;
    std::u16string openedDocument;

    // --- the user at the font chooser ---
    bool userCancels = false;
    std::optional<std::u16string> userFontName;  // unset: confirms the preset
    std::optional<float> userFontSize;

    std::vector<std::string> calls;
    // Called with the property or method name before it acts; throw from it
    // to make that step fail.
    std::function<void(const std::string& name)> onCall;

    void SetCancelError(bool on) override;
    void SetFlags(std::int32_t value) override;
    void SetFontName(const std::u16string& name) override;
    std::u16string FontName() override;
    void SetFontSize(float points) override;
    float FontSize() override;
    void SetFontBold(bool on) override;
    void SetFontItalic(bool on) override;
    void ShowFont() override;
    void SetHelpCommand(std::int16_t command) override;
    void SetHelpFile(const std::u16string& path) override;
    void ShowHelp() override;
    void OpenDocument(const std::u16string& path) override;

  private:
    void Record(const std::string& name, const std::string& value);
};

}  // namespace ruvo::test
