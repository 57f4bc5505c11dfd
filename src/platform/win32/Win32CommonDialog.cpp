#include "platform/win32/Win32CommonDialog.h"

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
// The longest path the wide API takes.
constexpr std::size_t kLongestPath = 32768;

// The path the user gives in an open or save dialog set up as `dialog`,
// offered `name` in `folder` (the system's choice where empty); nothing
// when the user cancels.
std::optional<std::u16string> AskForFile(OPENFILENAMEW dialog, BOOL(WINAPI* ask)(LPOPENFILENAMEW),
                                         std::u16string_view step, const std::u16string& name,
                                         const std::u16string& folder) {
    std::wstring path = ToWide(name);
    path.resize(kLongestPath, L'\0');
    const std::wstring initial = ToWide(folder);
    dialog.lStructSize = sizeof dialog;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrInitialDir = initial.empty() ? nullptr : initial.c_str();
    if (!ask(&dialog)) {
        if (::CommDlgExtendedError() != 0) {
            throw RuntimeError(ErrorNumber::Unexpected, step);
        }
        return std::nullopt;
    }
    return FromWide(path.c_str());
}

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

std::optional<platform::FontChoice> Win32CommonDialog::ChooseFont(
    const platform::FontChoice& preset) {
    int pixelsPerInch = 0;
    {
        WindowDc screen(nullptr);
        pixelsPerInch = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
    }
    LOGFONTW chosen{};
    chosen.lfHeight = -ToInt32(static_cast<double>(preset.points) * pixelsPerInch / kPointsPerInch);
    chosen.lfWeight = FW_NORMAL;
    chosen.lfCharSet = DEFAULT_CHARSET;
    const std::wstring face = ToWide(preset.face);
    std::copy_n(face.begin(), std::min<std::size_t>(face.size(), LF_FACESIZE - 1),
                chosen.lfFaceName);

    // Without a printer the chooser would fail; it offers the screen's fonts then.
    const UniqueDc printer = DefaultPrinterDc();
    CHOOSEFONTW chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = owner_;
    chooser.hDC = printer.get();
    chooser.lpLogFont = &chosen;
    chooser.iPointSize = ToInt32(static_cast<double>(preset.points) * 10.0);
    chooser.Flags = CF_SCREENFONTS | (printer ? CF_PRINTERFONTS : 0) | CF_INITTOLOGFONTSTRUCT;
    if (!::ChooseFontW(&chooser)) {
        if (::CommDlgExtendedError() != 0) {
            throw RuntimeError(ErrorNumber::Unexpected, u"ChooseFontW");
        }
        return std::nullopt;
    }
    return platform::FontChoice{FromWide(chosen.lfFaceName),
                                static_cast<float>(chooser.iPointSize) / 10.0F};
}

std::optional<std::u16string> Win32CommonDialog::ChooseTextFile(const std::u16string& folder) {
    static constexpr wchar_t kFilter[] = L"テキスト (*.txt)\0*.txt\0すべてのファイル (*.*)\0*.*\0";
    OPENFILENAMEW dialog{};
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = kFilter;
    dialog.Flags =
        OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    return AskForFile(dialog, &::GetOpenFileNameW, u"GetOpenFileNameW", {}, folder);
}

std::optional<std::u16string> Win32CommonDialog::ChooseSaveFile(const platform::FileToSave& file) {
    // "Type\0*.ext\0\0": the list of types, each a caption and its pattern.
    const std::wstring extension = ToWide(file.extension);
    const std::wstring filter = ToWide(file.typeName) + L'\0' + L"*." + extension + L'\0';
    OPENFILENAMEW dialog{};
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrDefExt = extension.c_str();
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    return AskForFile(dialog, &::GetSaveFileNameW, u"GetSaveFileNameW", file.name, file.folder);
}

void Win32CommonDialog::ShowHelpFile(const std::u16string& path) {
    const std::wstring file = ToWide(path);
    if (!::WinHelpW(owner_, file.c_str(), HELP_FORCEFILE, 0)) {
        throw RuntimeError(ErrorNumber::PathFileAccess, path);
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
