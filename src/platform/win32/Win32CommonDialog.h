#pragma once

#include "platform/CommonDialog.h"
#include "platform/win32/Win32.h"

namespace ruvo::win32 {

// The font chooser, the open and save dialogs and the help viewers, owned by
// the main window.
class Win32CommonDialog final : public platform::CommonDialog {
  public:
    explicit Win32CommonDialog(HWND owner) noexcept : owner_(owner) {}

    std::optional<platform::FontChoice> ChooseFont(const platform::FontChoice& preset) override;
    std::optional<std::u16string> ChooseTextFile(const std::u16string& folder) override;
    std::optional<std::u16string> ChooseSaveFile(const platform::FileToSave& file) override;
    void ShowHelpFile(const std::u16string& path) override;
    void OpenDocument(const std::u16string& path) override;

  private:
    HWND owner_;
};

}  // namespace ruvo::win32
