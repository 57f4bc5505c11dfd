#pragma once

#include <utility>
#include <vector>

#include "platform/Surface.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32.h"

namespace ruvo::win32 {

// A font as GDI makes it at a resolution: the height in pixels (negative: a
// character height, not a cell's), an average width for a narrowed font,
// and for vertical writing the "@" face, turned a quarter clockwise.
LOGFONTW LogicalFont(const platform::Font& font, float twipsPerPixel);

// Twips a pixel of a device, horizontally and vertically.
struct Resolution {
    float x = 15;
    float y = 15;
};

// A surface on a GDI device context of some pixels: text in the ink's
// colour with no background, ruled lines a quarter of the way from the
// paper's colour to the ink's, fonts made when first used and kept until the
// surface goes, when the context gets its own font back.
class GdiSurface : public platform::Surface {
  public:
    GdiSurface(HDC dc, Resolution resolution, SIZE pixels, COLORREF paper, COLORREF ink) noexcept;
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;
    ~GdiSurface() override;

    void SetResolution(Resolution resolution) noexcept { resolution_ = resolution; }
    void SetPixels(SIZE pixels) noexcept { pixels_ = pixels; }

    float Width() override;
    float Height() override;
    float TwipsPerPixel() override;
    void Clear() override;
    void Fill(const platform::Area& area, platform::Colour colour) override;
    void Text(const platform::Font& font, float x, float y, std::u16string_view text) override;
    platform::TextExtent Measure(const platform::Font& font, std::u16string_view text) override;
    bool Realises(const platform::Font& font) override;

  private:
    // The font made for this one, or null where GDI made none; a surface
    // that has made many lets them all go first.
    HFONT Realised(const platform::Font& font);
    // Selects the font; where none could be made the context keeps its own.
    void Select(const platform::Font& font);

    HDC dc_;
    Resolution resolution_;
    SIZE pixels_;
    COLORREF paper_;
    COLORREF ink_;
    COLORREF rule_;
    std::vector<std::pair<platform::Font, UniqueFont>> fonts_;
    HGDIOBJ original_ = nullptr;  // the context's font, known once one is selected
    HFONT selected_ = nullptr;
};

}  // namespace ruvo::win32
