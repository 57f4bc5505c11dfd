#include "platform/win32/Win32Printer.h"

#include <cderr.h>

#include <string>
#include <utility>

#include "platform/Error.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Twips.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Surface.h"

namespace ruvo::win32 {

namespace {

// The dialog asks for pages before the text is laid out for the paper.
constexpr WORD kMostPages = 0xFFFF;

// Each step throws when GDI reports that the printer failed.
void Check(int result, std::u16string_view step) {
    if (result <= 0) {
        throw RuntimeError(ErrorNumber::DeviceUnavailable, step);
    }
}

class Win32PrintJob final : public platform::PrintJob {
  public:
    Win32PrintJob(UniqueDc dc, platform::PageRange pages)
        : dc_(std::move(dc)),
          pages_(pages),
          page_(dc_.get(),
                {TwipsPerPixel(::GetDeviceCaps(dc_.get(), LOGPIXELSX)),
                 TwipsPerPixel(::GetDeviceCaps(dc_.get(), LOGPIXELSY))},
                {::GetDeviceCaps(dc_.get(), HORZRES), ::GetDeviceCaps(dc_.get(), VERTRES)},
                RGB(255, 255, 255), RGB(0, 0, 0)) {}
    Win32PrintJob(const Win32PrintJob&) = delete;
    Win32PrintJob& operator=(const Win32PrintJob&) = delete;
    ~Win32PrintJob() override { Abort(); }

    platform::Surface& Page() override { return page_; }
    platform::PageRange Pages() override { return pages_; }

    void Start(std::u16string_view name) override {
        const std::wstring document = ToWide(name);
        DOCINFOW info{};
        info.cbSize = sizeof info;
        info.lpszDocName = document.c_str();
        Check(::StartDocW(dc_.get(), &info), u"StartDoc");
        started_ = true;
    }
    void StartPage() override { Check(::StartPage(dc_.get()), u"StartPage"); }
    void EndPage() override { Check(::EndPage(dc_.get()), u"EndPage"); }
    void Finish() override {
        Check(::EndDoc(dc_.get()), u"EndDoc");
        started_ = false;
    }
    void Abort() noexcept override {
        if (started_) {
            started_ = false;
            ::AbortDoc(dc_.get());
        }
    }

  private:
    UniqueDc dc_;
    platform::PageRange pages_;
    GdiSurface page_;  // goes before the DC
    bool started_ = false;
};

}  // namespace

std::unique_ptr<platform::PrintJob> Win32Printer::Choose(bool landscape) {
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_;
    // The default printer's settings first, to turn its paper where asked.
    dialog.Flags = PD_RETURNDEFAULT;
    if (landscape && ::PrintDlgW(&dialog) && dialog.hDevMode != nullptr) {
        if (auto* mode = static_cast<DEVMODEW*>(::GlobalLock(dialog.hDevMode))) {
            mode->dmFields |= DM_ORIENTATION;
            mode->dmOrientation = DMORIENT_LANDSCAPE;
            ::GlobalUnlock(dialog.hDevMode);
        }
    }
    // The copies are the printer's (the dialog offers them only where it makes
    // them); a selection there is none.
    dialog.Flags = PD_RETURNDC | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOSELECTION;
    dialog.nFromPage = dialog.nMinPage = 1;
    dialog.nToPage = dialog.nMaxPage = kMostPages;
    const BOOL chosen = ::PrintDlgW(&dialog);
    UniqueGlobal devMode(dialog.hDevMode), devNames(dialog.hDevNames);
    UniqueDc dc(dialog.hDC);
    if (!chosen) {
        switch (::CommDlgExtendedError()) {
            case 0:
                return nullptr;  // cancelled
            case PDERR_NODEFAULTPRN:
            case PDERR_PRINTERNOTFOUND:
                throw RuntimeError(ErrorNumber::DeviceUnavailable, u"プリンターがありません。");
            default:
                throw RuntimeError(ErrorNumber::DeviceUnavailable, u"PrintDlg");
        }
    }
    if (!dc) {
        throw RuntimeError(ErrorNumber::DeviceUnavailable, u"PrintDlg");
    }
    platform::PageRange pages;
    if ((dialog.Flags & PD_PAGENUMS) != 0) {
        pages = {dialog.nFromPage, dialog.nToPage};
    }
    return std::make_unique<Win32PrintJob>(std::move(dc), pages);
}

}  // namespace ruvo::win32
