#pragma once

#include "platform/Clipboard.h"

namespace ruvo::win32 {

class Win32Clipboard final : public platform::Clipboard {
  public:
    // Throws ClipboardBusy when another program keeps the clipboard open.
    std::u16string GetText() override;
};

}  // namespace ruvo::win32
