#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/Surface.h"
#include "typeset/Columns.h"
#include "view/Geometry.h"
#include "view/Typesetting.h"

namespace ruvo {

// The text on display, off the window: a picture of it, and printed pages.

// A picture is at most this many pixels on a side and in all.
inline constexpr std::int32_t kLargestPictureSide = 16384;
inline constexpr double kMostPicturePixels = 64e6;

// A picture of laid-out columns as large as the fitted window's client area
// for them, in pixels; a text that needs more is cut at the end: columns on
// the left, and cells at the bottom where a column is too long.
struct PictureSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::size_t columns = 0;  // of the text
    std::size_t columnsHeld = 0;
    std::size_t cells = 0;  // of its longest column
    std::size_t cellsHeld = 0;

    // Whether the limits leave room for nothing, not even one character.
    bool Empty() const { return columnsHeld == 0 || (cells != 0 && cellsHeld == 0); }
    bool Cut() const { return columnsHeld < columns || cellsHeld < cells; }
};
PictureSize SizePicture(std::size_t columns, std::size_t cells, const Placement& placement,
                        float twipsPerPixel);

// A part of a surface as a surface of its own, for the text area of a page.
class InsetSurface final : public platform::Surface {
  public:
    InsetSurface(platform::Surface& whole, float left, float top, float width, float height)
        : whole_(whole), left_(left), top_(top), width_(width), height_(height) {}

    float Width() override { return width_; }
    float Height() override { return height_; }
    float TwipsPerPixel() override { return whole_.TwipsPerPixel(); }
    // A page is paper to begin with; painting it would only send the printer
    // a white box.
    void Clear() override {}
    void Fill(const platform::Area& area, platform::Colour colour) override {
        whole_.Fill({left_ + area.left, top_ + area.top, area.width, area.height}, colour);
    }
    void Text(const platform::Font& font, float x, float y, std::u16string_view text) override {
        whole_.Text(font, left_ + x, top_ + y, text);
    }
    platform::TextExtent Measure(const platform::Font& font, std::u16string_view text) override {
        return whole_.Measure(font, text);
    }
    bool Realises(const platform::Font& font) override { return whole_.Realises(font); }

  private:
    platform::Surface& whole_;
    float left_, top_, width_, height_;
};

// A text laid out again for printing on pages of one size: inside margins
// of 15 mm, columns as long as the page lets them be (wrapping always on)
// from the right of each page, every page full but the last; on manuscript
// paper a sheet a page, in the middle, as large as the page lets it be.
class PrintedPages {
  public:
    // `page` is the printable area, which the pages are drawn on.
    PrintedPages(std::u16string_view text, const Typesetting& typesetting, platform::Surface& page);
    PrintedPages(const PrintedPages&) = delete;  // the cell measures on its own area
    PrintedPages& operator=(const PrintedPages&) = delete;

    std::size_t Count() const;
    // Draws a page, counted from 0.
    void Draw(std::size_t page);

  private:
    std::u16string_view text_;
    Typesetting typesetting_;
    InsetSurface area_;
    Cell cell_;
    Columns columns_;
    std::size_t perPage_ = 1;
};

}  // namespace ruvo
