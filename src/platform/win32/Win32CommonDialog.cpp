#include "platform/win32/Win32CommonDialog.h"

#include <commdlg.h>
#include <shellapi.h>
#include <winspool.h>
#include <algorithm>

#include "platform/Convert.h"
#include "platform/Error.h"
#include "platform/win32/Handles.h"
#include "platform/win32/WideText.h"

namespace ruvo::win32 {

namespace {

constexpr double kPointsPerInch = 72.0;

// The default printer's DC, or none when no printer is set up.
UniqueDc DefaultPrinterDc() {
    DWORD size = 0;
    ::GetDefaultPrinterW(nullptr, &size);
    if (size == 0) {
        return UniqueDc();
    }
    std::wstring name(size, L'\0');
    if (!::GetDefaultPrinterW(name.data(), &size)) {
        return UniqueDc();
    }
    return UniqueDc(::CreateDCW(nullptr, name.c_str(), nullptr, nullptr));
}

}  // namespace

void Win32CommonDialog::SetCancelError(bool on) {
    cancelError_ = on;
}

void Win32CommonDialog::SetFlags(std::int32_t flags) {
    flags_ = flags;
}

void Win32CommonDialog::SetFontName(const std::u16string& name) {
    fontName_ = name;
}

std::u16string Win32CommonDialog::FontName() {
    return fontName_;
}

void Win32CommonDialog::SetFontSize(float points) {
    fontSize_ = points;
}

float Win32CommonDialog::FontSize() {
    return fontSize_;
}

void Win32CommonDialog::SetFontBold(bool on) {
    fontBold_ = on;
}

void Win32CommonDialog::SetFontItalic(bool on) {
    fontItalic_ = on;
}

void Win32CommonDialog::ShowFont() {
    int pixelsPerInch = 0;
    {
        WindowDc screen(nullptr);
        pixelsPerInch = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
    }
    LOGFONTW preset{};
    preset.lfHeight = -ToInt32(static_cast<double>(fontSize_) * pixelsPerInch / kPointsPerInch);
    preset.lfWeight = fontBold_ ? FW_BOLD : FW_NORMAL;
    preset.lfItalic = fontItalic_ ? TRUE : FALSE;
    preset.lfCharSet = DEFAULT_CHARSET;
    const std::wstring face = ToWide(fontName_);
    std::copy_n(face.begin(), std::min<std::size_t>(face.size(), LF_FACESIZE - 1),
                preset.lfFaceName);

    auto flags = static_cast<DWORD>(flags_) | CF_INITTOLOGFONTSTRUCT;
    UniqueDc printer;
    if ((flags & CF_PRINTERFONTS) != 0) {
        printer = DefaultPrinterDc();
        if (!printer) {
            // Without a printer the chooser would fail; offer the screen's fonts.
            flags = (flags & ~static_cast<DWORD>(CF_PRINTERFONTS)) | CF_SCREENFONTS;
        }
    }

    CHOOSEFONTW chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = owner_;
    chooser.hDC = printer.get();
    chooser.lpLogFont = &preset;
    chooser.iPointSize = ToInt32(static_cast<double>(fontSize_) * 10.0);
    chooser.Flags = flags;
    if (!::ChooseFontW(&chooser)) {
        if (cancelError_) {
            throw RuntimeError(ErrorNumber::Cancel);
        }
        if (::CommDlgExtendedError() != 0) {
            throw RuntimeError(ErrorNumber::Unexpected, u"ChooseFontW");
        }
        return;
    }
    fontName_ = FromWide(preset.lfFaceName);
    fontSize_ = static_cast<float>(chooser.iPointSize) / 10.0F;
    fontBold_ = preset.lfWeight >= FW_BOLD;
    fontItalic_ = preset.lfItalic != FALSE;
}

void Win32CommonDialog::SetHelpCommand(std::int16_t command) {
    helpCommand_ = command;
}

void Win32CommonDialog::SetHelpFile(const std::u16string& path) {
    helpFile_ = path;
}

void Win32CommonDialog::ShowHelp() {
    const std::wstring file = ToWide(helpFile_);
    if (!::WinHelpW(owner_, file.c_str(), static_cast<UINT>(helpCommand_), 0)) {
        throw RuntimeError(ErrorNumber::PathFileAccess, helpFile_);
    }
}

void Win32CommonDialog::OpenDocument(const std::u16string& path) {
    const std::wstring file = ToWide(path);
    // ShellExecuteW reports success with a value above 32.
    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteW(owner_, L"open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result <= 32) {
        throw RuntimeError(ErrorNumber::PathFileAccess, path);
    }
}

}  // namespace ruvo::win32
