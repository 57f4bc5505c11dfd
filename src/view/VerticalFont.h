#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Window.h"

namespace ruvo {

// The font request for vertical writing: the chosen face turned a quarter
// turn, at the chosen size in pixels of the screen.
platform::FontRequest VerticalFontRequest(const std::u16string& faceName, std::int32_t points,
                                          float twipsPerPixel);

// The vertical font, selected into the window's device context for the
// length of one rendering. Release is the rendering's own last use of the
// font; when an error ends the rendering before that, the destructor puts
// the previous font back and deletes this one, so no GDI object leaks.
class VerticalFontSelection {
  public:
    VerticalFontSelection(platform::Window& window, platform::Handle deviceContext);
    VerticalFontSelection(const VerticalFontSelection&) = delete;
    VerticalFontSelection& operator=(const VerticalFontSelection&) = delete;
    ~VerticalFontSelection();

    // Creates the font and selects it, keeping the font it displaces.
    void Select(const platform::FontRequest& request);
    // Selects the displaced font back and deletes the font that this
    // selection hands back, which is the vertical one.
    void Release();

  private:
    platform::Window& window_;
    platform::Handle deviceContext_;
    std::optional<platform::Handle> font_;       // created and not yet deleted
    std::optional<platform::Handle> displaced_;  // known once the font is selected
};

}  // namespace ruvo
