#pragma once

#include "platform/Clipboard.h"
#include "platform/win32/Handles.h"

namespace ruvo::win32 {

class Win32Clipboard final : public platform::Clipboard {
  public:
    // Throws ClipboardBusy when another program keeps the clipboard open.
    std::u16string GetText() override;
};

// Makes a block of memory the clipboard's only contents, in one format, its
// owner the window given. Throws ClipboardBusy when another program keeps
// the clipboard open.
void PutOnClipboard(HWND owner, UINT format, UniqueGlobal memory);

}  // namespace ruvo::win32
