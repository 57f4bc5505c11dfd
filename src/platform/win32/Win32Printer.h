#pragma once

#include "platform/Printer.h"
#include "platform/win32/Win32.h"

namespace ruvo::win32 {

// The print dialog owned by the main window, and GDI's print jobs on the
// printer chosen there.
class Win32Printer final : public platform::Printer {
  public:
    explicit Win32Printer(HWND owner) noexcept : owner_(owner) {}

    std::unique_ptr<platform::PrintJob> Choose(bool landscape) override;

  private:
    HWND owner_;
};

}  // namespace ruvo::win32
