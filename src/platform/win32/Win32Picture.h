#pragma once

#include "platform/Picture.h"
#include "platform/win32/Win32.h"

namespace ruvo::win32 {

// Pictures drawn by GDI in device-independent bitmaps of 32 bits a pixel,
// which leave as 256 greys, all that black ink on white paper needs: on the
// clipboard as CF_DIB, to files as PNG through the Windows Imaging Component
// (COM must be set up on the thread).
class Win32Pictures final : public platform::Pictures {
  public:
    // The clipboard's copies belong to this window.
    explicit Win32Pictures(HWND owner) noexcept : owner_(owner) {}

    void CopyToClipboard(std::int32_t width, std::int32_t height, float twipsPerPixel,
                         const Draw& draw) override;
    std::string EncodePng(std::int32_t width, std::int32_t height, float twipsPerPixel,
                          const Draw& draw) override;

  private:
    HWND owner_;
};

}  // namespace ruvo::win32
