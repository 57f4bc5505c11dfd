#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ruvo::platform {

// A font as the program describes it; a surface realises it at its own
// resolution, and keeps what it made for as long as it lives.
struct Font {
    std::u16string face;
    double size = 0;        // the characters' height, in twips
    bool vertical = false;  // set for vertical writing: running down the page
    // Average character width as a fraction of the size; 0: as the face has it.
    double width = 0;

    bool operator==(const Font&) const = default;
};

// How far a text reaches along its line (down, for vertical text) and
// across it, in twips.
struct TextExtent {
    float advance = 0;
    float height = 0;
};

// Part of a surface, in twips.
struct Area {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// The colours a surface draws in: the paper's, the ink's, and the light one
// of the lines ruled on paper.
enum class Colour { Paper, Ink, Rule };

// Somewhere to draw: a window's client area, an image, a printed page.
// Positions count in twips from its top-left corner.
class Surface {
  public:
    virtual ~Surface() = default;

    // The area that drawing reaches.
    virtual float Width() = 0;
    virtual float Height() = 0;
    // Twips a dot of the surface takes, the finest step it draws.
    virtual float TwipsPerPixel() = 0;

    // Paints the whole surface the paper's colour.
    virtual void Clear() = 0;
    virtual void Fill(const Area& area, Colour colour) = 0;
    // Draws a text that holds no line break, in the ink's colour. A
    // horizontal text has its top-left corner at (x, y); a vertical one runs
    // down from (x, y), its characters reaching leftwards from x.
    virtual void Text(const Font& font, float x, float y, std::u16string_view text) = 0;
    virtual TextExtent Measure(const Font& font, std::u16string_view text) = 0;
    // Whether the surface can make this font; a platform may refuse a size.
    virtual bool Realises(const Font& font) = 0;
};

}  // namespace ruvo::platform
