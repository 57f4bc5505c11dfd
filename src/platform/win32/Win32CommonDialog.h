#pragma once

#include "platform/CommonDialog.h"
#include "platform/win32/Win32.h"

namespace ruvo::win32 {

// The font chooser and the help viewers, owned by the main window.
class Win32CommonDialog final : public platform::CommonDialog {
  public:
    explicit Win32CommonDialog(HWND owner) noexcept : owner_(owner) {}

    void SetCancelError(bool on) override;
    void SetFlags(std::int32_t flags) override;
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
    HWND owner_;
    bool cancelError_ = false;
    std::int32_t flags_ = 0;
    std::u16string fontName_;
    float fontSize_ = 0;
    bool fontBold_ = false;
    bool fontItalic_ = false;
    std::int16_t helpCommand_ = 0;
    std::u16string helpFile_;
};

}  // namespace ruvo::win32
