#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/Surface.h"

namespace ruvo::platform {

// A picture in memory, black ink on white paper, on its way to the
// clipboard or a file.
class Picture {
  public:
    virtual ~Picture() = default;

    // Where the picture is drawn: its whole area.
    virtual Surface& Canvas() = 0;
    // Puts the picture on the clipboard as its only contents, a
    // device-independent bitmap: no program takes it for text. Throws
    // ClipboardBusy when another program keeps the clipboard open.
    virtual void CopyToClipboard() = 0;
    // The bytes of a PNG file of the picture.
    virtual std::string EncodePng() = 0;
};

class Pictures {
  public:
    virtual ~Pictures() = default;

    // A picture of so many pixels, each so many twips on a side. Throws
    // OutOfMemory when the system cannot hold it.
    virtual std::unique_ptr<Picture> Make(std::int32_t width, std::int32_t height,
                                          float twipsPerPixel) = 0;
};

}  // namespace ruvo::platform
