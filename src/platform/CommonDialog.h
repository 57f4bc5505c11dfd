#pragma once

#include <cstdint>
#include <string>

namespace ruvo::platform {

// The common-dialog component: the font chooser and the help viewers. The
// chooser and the WinHelp viewer keep the component's published property and
// method names.
class CommonDialog {
  public:
    virtual ~CommonDialog() = default;

    // With CancelError on, a cancel in a chooser throws ErrorNumber::Cancel.
    virtual void SetCancelError(bool on) = 0;

    virtual void SetFlags(std::int32_t flags) = 0;
    virtual void SetFontName(const std::u16string& name) = 0;
    virtual std::u16string FontName() = 0;
    virtual void SetFontSize(float points) = 0;
    virtual float FontSize() = 0;
    virtual void SetFontBold(bool on) = 0;
    virtual void SetFontItalic(bool on) = 0;
    // Modal font chooser; returns when it closes with a confirmation.
    virtual void ShowFont() = 0;

    virtual void SetHelpCommand(std::int16_t command) = 0;
    virtual void SetHelpFile(const std::u16string& path) = 0;
    virtual void ShowHelp() = 0;
    // Opens a document with the program the user chose for its type (a page
    // in the default browser); throws when none opens it.
    virtual void OpenDocument(const std::u16string& path) = 0;
};

inline constexpr std::int32_t kCfScreenFonts = 1;
inline constexpr std::int32_t kCfPrinterFonts = 2;
inline constexpr std::int16_t kHelpForceFile = 9;

}  // namespace ruvo::platform
