#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Window.h"

namespace ruvo {

// The font request for vertical writing: the chosen face turned a quarter
// turn, at the chosen size in pixels of the screen.
platform::FontRequest VerticalFontRequest(const std::u16string& faceName, std::int32_t points,
                                          float twipsPerPixel);

// Whether the platform makes the vertical font of this face and size.
bool CanMakeVerticalFont(platform::Window& window, const std::u16string& faceName,
                         std::int32_t points);

// The fonts a view is drawn in, all of the face and size the text is shown
// in: the vertical font, selected for the length of one rendering, and, made
// when first asked for, the half-size vertical font of ruby and emphasis
// dots and the upright font of tate-chu-yoko. Release is the rendering's own
// last use of them: it selects the previous font back and deletes each font
// made. When an error ends the rendering before that, the destructor does
// so, and no GDI object leaks.
class ViewFonts {
  public:
    enum class Kind { Vertical, Ruby, Upright };

    ViewFonts(platform::Window& window, std::u16string faceName, std::int32_t points);
    ViewFonts(const ViewFonts&) = delete;
    ViewFonts& operator=(const ViewFonts&) = delete;
    ~ViewFonts();

    // Selects a font, making it first if need be. The upright one is
    // `width` pixels a character on average, or as the face has it for 0.
    void Use(Kind kind, std::int32_t width = 0);
    void Release();
    // The characters' height in pixels, as the fonts are asked for.
    std::int32_t Em() const;

  private:
    platform::Window& window_;
    platform::Handle deviceContext_;
    std::u16string faceName_;
    std::int32_t points_;
    // Each font made and not yet deleted, with what it was made for.
    std::vector<std::pair<std::pair<Kind, std::int32_t>, platform::Handle>> made_;
    std::optional<platform::Handle> displaced_;  // known once a font is selected
    std::optional<platform::Handle> selected_;
};

}  // namespace ruvo
