#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/Surface.h"

namespace ruvo::platform {

// Pictures in memory, black ink on white paper, that leave the program: each
// of so many pixels, each pixel so many twips on a side, drawn by `draw` on
// its whole area. Throws OutOfMemory when the system cannot hold one.
class Pictures {
  public:
    using Draw = std::function<void(Surface& canvas)>;

    virtual ~Pictures() = default;

    // Puts the picture on the clipboard as its only contents, a
    // device-independent bitmap: no program takes it for text. Throws
    // ClipboardBusy when another program keeps the clipboard open.
    virtual void CopyToClipboard(std::int32_t width, std::int32_t height, float twipsPerPixel,
                                 const Draw& draw) = 0;
    // The bytes of a PNG file of the picture.
    virtual std::string EncodePng(std::int32_t width, std::int32_t height, float twipsPerPixel,
                                  const Draw& draw) = 0;
};

}  // namespace ruvo::platform
