#include "platform/win32/Win32Surface.h"

#include <algorithm>
#include <string>

#include "platform/Convert.h"
#include "platform/Error.h"
#include "platform/win32/Twips.h"
#include "platform/win32/WideText.h"

namespace ruvo::win32 {

namespace {

constexpr LONG kQuarterTurnClockwise = 2700;  // tenths of a degree
// Fonts a surface keeps before it lets them all go: a view needs a few, the
// narrowed upright ones one for each width.
constexpr std::size_t kMostFonts = 32;

}  // namespace

LOGFONTW LogicalFont(const platform::Font& font, float twipsPerPixel) {
    LOGFONTW logical{};
    logical.lfHeight = ToInt32(-Divide(font.size, twipsPerPixel));
    if (font.width != 0) {
        logical.lfWidth = std::max(ToInt32(-static_cast<double>(logical.lfHeight) * font.width), 1);
    }
    if (font.vertical) {
        logical.lfEscapement = logical.lfOrientation = kQuarterTurnClockwise;
    }
    logical.lfCharSet = DEFAULT_CHARSET;
    const std::wstring face = (font.vertical ? L"@" : L"") + ToWide(font.face);
    std::copy_n(face.begin(), std::min<std::size_t>(face.size(), LF_FACESIZE - 1),
                logical.lfFaceName);
    return logical;
}

GdiSurface::GdiSurface(HDC dc, Resolution resolution, SIZE pixels, COLORREF paper,
                       COLORREF ink) noexcept
    : dc_(dc),
      resolution_(resolution),
      pixels_(pixels),
      paper_(paper),
      ink_(ink),
      rule_(RGB((3 * GetRValue(paper) + GetRValue(ink)) / 4,
                (3 * GetGValue(paper) + GetGValue(ink)) / 4,
                (3 * GetBValue(paper) + GetBValue(ink)) / 4)) {
    ::SetBkMode(dc_, TRANSPARENT);
    ::SetTextColor(dc_, ink);
}

GdiSurface::~GdiSurface() {
    if (original_ != nullptr) {
        ::SelectObject(dc_, original_);
    }
}

float GdiSurface::Width() {
    return PixelsToTwips(pixels_.cx, resolution_.x);
}

float GdiSurface::Height() {
    return PixelsToTwips(pixels_.cy, resolution_.y);
}

float GdiSurface::TwipsPerPixel() {
    return resolution_.x;
}

void GdiSurface::Clear() {
    const RECT all{0, 0, pixels_.cx, pixels_.cy};
    ::SetDCBrushColor(dc_, paper_);
    ::FillRect(dc_, &all, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
}

void GdiSurface::Fill(const platform::Area& area, platform::Colour colour) {
    // Whole pixels, at least one each way, so that a line a pixel thin shows.
    const int left = TwipsToPixels(ToSingle(area.left), resolution_.x);
    const int top = TwipsToPixels(ToSingle(area.top), resolution_.y);
    const RECT box{
        left, top,
        std::max(TwipsToPixels(ToSingle(area.left + area.width), resolution_.x), left + 1),
        std::max(TwipsToPixels(ToSingle(area.top + area.height), resolution_.y), top + 1)};
    ::SetDCBrushColor(dc_, colour == platform::Colour::Paper ? paper_
                           : colour == platform::Colour::Ink ? ink_
                                                             : rule_);
    ::FillRect(dc_, &box, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
}

void GdiSurface::Text(const platform::Font& font, float x, float y, std::u16string_view text) {
    Select(font);
    const std::wstring wide = ToWide(text);
    ::TextOutW(dc_, TwipsToPixels(x, resolution_.x), TwipsToPixels(y, resolution_.y), wide.data(),
               Length(wide.size()));
}

platform::TextExtent GdiSurface::Measure(const platform::Font& font, std::u16string_view text) {
    Select(font);
    const std::wstring wide = ToWide(text);
    SIZE size{};
    ::GetTextExtentPoint32W(dc_, wide.data(), Length(wide.size()), &size);
    return {PixelsToTwips(size.cx, resolution_.x), PixelsToTwips(size.cy, resolution_.y)};
}

bool GdiSurface::Realises(const platform::Font& font) {
    return Realised(font) != nullptr;
}

HFONT GdiSurface::Realised(const platform::Font& font) {
    const auto found = std::ranges::find(fonts_, font, &decltype(fonts_)::value_type::first);
    if (found != fonts_.end()) {
        return found->second.get();
    }
    if (fonts_.size() >= kMostFonts) {
        if (original_ != nullptr) {
            ::SelectObject(dc_, original_);
        }
        selected_ = nullptr;
        fonts_.clear();
    }
    const LOGFONTW logical = LogicalFont(font, resolution_.x);
    UniqueFont made(::CreateFontIndirectW(&logical));
    if (!made) {
        return nullptr;
    }
    return fonts_.emplace_back(font, std::move(made)).second.get();
}

void GdiSurface::Select(const platform::Font& font) {
    HFONT made = Realised(font);
    if (made == nullptr || made == selected_) {
        return;
    }
    selected_ = made;
    HGDIOBJ previous = ::SelectObject(dc_, made);
    if (original_ == nullptr) {
        original_ = previous;
    }
}

}  // namespace ruvo::win32
