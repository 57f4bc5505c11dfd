#include "platform/win32/Win32Picture.h"

#include <wincodec.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "platform/Error.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32Surface.h"

namespace ruvo::win32 {

namespace {

constexpr int kGreys = 256;
// Rows handed to the PNG encoder at once: a band, not a copy of the picture.
constexpr LONG kBandRows = 256;

template <typename T>
void ReleaseCom(T* object) noexcept {
    object->Release();
}
template <typename T>
using UniqueCom = Unique<T*, &ReleaseCom<T>>;

void Check(HRESULT result, std::u16string_view step) {
    if (FAILED(result)) {
        throw RuntimeError(
            result == E_OUTOFMEMORY ? ErrorNumber::OutOfMemory : ErrorNumber::Unexpected, step);
    }
}

// An object a COM call makes through its last argument.
template <typename T, typename Call>
UniqueCom<T> Made(Call call, std::u16string_view step) {
    T* made = nullptr;
    Check(call(&made), step);
    return UniqueCom<T>(made);
}

// A DIB's header, top-down for a negative height, with so many colours in
// its table.
BITMAPINFOHEADER DibHeader(LONG width, LONG height, WORD bits, DWORD colours) {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = bits;
    header.biCompression = BI_RGB;
    header.biClrUsed = colours;
    return header;
}

// A row of greys takes whole DWORDs, in a DIB as in the encoder's bands.
UINT GreyStride(LONG width) {
    return (static_cast<UINT>(width) + 3U) & ~3U;
}

// A picture drawn by GDI in a DIB section.
class Win32Picture {
  public:
    Win32Picture(HWND owner, SIZE pixels, float twipsPerPixel)
        : owner_(owner), pixels_(pixels), dc_(::CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader = DibHeader(pixels.cx, -pixels.cy, 32, 0);
        void* bits = nullptr;
        bitmap_.reset(::CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!dc_ || !bitmap_) {
            throw RuntimeError(ErrorNumber::OutOfMemory);
        }
        bits_ = static_cast<const BYTE*>(bits);
        selected_.emplace(dc_.get(), bitmap_.get());
        canvas_.emplace(dc_.get(), Resolution{twipsPerPixel, twipsPerPixel}, pixels,
                        RGB(255, 255, 255), RGB(0, 0, 0));
    }

    Win32Picture(const Win32Picture&) = delete;
    Win32Picture& operator=(const Win32Picture&) = delete;

    platform::Surface& Canvas() { return *canvas_; }

    // A bottom-up DIB, as most programs that paste read one best.
    void CopyToClipboard() {
        const UINT stride = GreyStride(pixels_.cx);
        const std::size_t header = sizeof(BITMAPINFOHEADER) + kGreys * sizeof(RGBQUAD);
        UniqueGlobal memory(
            ::GlobalAlloc(GHND, header + std::size_t{stride} * static_cast<UINT>(pixels_.cy)));
        auto* dib = static_cast<BYTE*>(memory ? ::GlobalLock(memory.get()) : nullptr);
        if (dib == nullptr) {
            throw RuntimeError(ErrorNumber::OutOfMemory);
        }
        const BITMAPINFOHEADER info = DibHeader(pixels_.cx, pixels_.cy, 8, kGreys);
        std::memcpy(dib, &info, sizeof info);
        auto* palette = reinterpret_cast<RGBQUAD*>(dib + sizeof info);
        for (int grey = 0; grey < kGreys; ++grey) {
            const auto level = static_cast<BYTE>(grey);
            palette[grey] = {level, level, level, 0};
        }
        ::GdiFlush();
        for (LONG y = 0; y < pixels_.cy; ++y) {
            GreyRow(y, dib + header + std::size_t{stride} * static_cast<UINT>(pixels_.cy - 1 - y));
        }
        ::GlobalUnlock(memory.get());
        PutOnClipboard(owner_, CF_DIB, std::move(memory));
    }

    std::string EncodePng() {
        const auto factory = Made<IWICImagingFactory>(
            [](IWICImagingFactory** made) {
                return ::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                          IID_IWICImagingFactory, reinterpret_cast<void**>(made));
            },
            u"WICImagingFactory");
        const auto stream = Made<IStream>(
            [](IStream** made) { return ::CreateStreamOnHGlobal(nullptr, TRUE, made); },
            u"CreateStreamOnHGlobal");
        const auto encoder = Made<IWICBitmapEncoder>(
            [&](IWICBitmapEncoder** made) {
                return factory.get()->CreateEncoder(GUID_ContainerFormatPng, nullptr, made);
            },
            u"CreateEncoder");
        Check(encoder.get()->Initialize(stream.get(), WICBitmapEncoderNoCache), u"Initialize");
        IPropertyBag2* options = nullptr;
        const auto frame = Made<IWICBitmapFrameEncode>(
            [&](IWICBitmapFrameEncode** made) {
                return encoder.get()->CreateNewFrame(made, &options);
            },
            u"CreateNewFrame");
        const UniqueCom<IPropertyBag2> ownedOptions(options);
        Check(frame.get()->Initialize(options), u"Initialize");
        Check(frame.get()->SetSize(static_cast<UINT>(pixels_.cx), static_cast<UINT>(pixels_.cy)),
              u"SetSize");
        WICPixelFormatGUID format = GUID_WICPixelFormat8bppGray;
        Check(frame.get()->SetPixelFormat(&format), u"SetPixelFormat");
        if (format != GUID_WICPixelFormat8bppGray) {
            throw RuntimeError(ErrorNumber::Unexpected, u"SetPixelFormat");
        }
        WriteGreys(*frame.get());
        Check(frame.get()->Commit(), u"Commit");
        Check(encoder.get()->Commit(), u"Commit");
        return Bytes(*stream.get());
    }

  private:
    // Row y in greys: black ink 0, white paper 255.
    void GreyRow(LONG y, BYTE* grey) const {
        const BYTE* pixel =
            bits_ + std::size_t{4} * static_cast<UINT>(pixels_.cx) * static_cast<UINT>(y);
        for (LONG x = 0; x < pixels_.cx; ++x, pixel += 4) {
            grey[x] = static_cast<BYTE>((pixel[2] * 77 + pixel[1] * 150 + pixel[0] * 29) >> 8);
        }
    }

    void WriteGreys(IWICBitmapFrameEncode& frame) const {
        ::GdiFlush();
        const UINT stride = GreyStride(pixels_.cx);
        std::vector<BYTE> band(std::size_t{stride} * static_cast<UINT>(kBandRows));
        for (LONG top = 0; top < pixels_.cy; top += kBandRows) {
            const LONG rows = std::min(kBandRows, pixels_.cy - top);
            for (LONG row = 0; row < rows; ++row) {
                GreyRow(top + row, band.data() + std::size_t{stride} * static_cast<UINT>(row));
            }
            Check(frame.WritePixels(static_cast<UINT>(rows), stride,
                                    stride * static_cast<UINT>(rows), band.data()),
                  u"WritePixels");
        }
    }

    static std::string Bytes(IStream& stream) {
        HGLOBAL memory = nullptr;
        Check(::GetHGlobalFromStream(&stream, &memory), u"GetHGlobalFromStream");
        STATSTG stat{};
        Check(stream.Stat(&stat, STATFLAG_NONAME), u"Stat");
        const auto* bytes = static_cast<const char*>(::GlobalLock(memory));
        if (bytes == nullptr) {
            throw RuntimeError(ErrorNumber::OutOfMemory);
        }
        std::string png(bytes, static_cast<std::size_t>(stat.cbSize.QuadPart));
        ::GlobalUnlock(memory);
        return png;
    }

    HWND owner_;
    SIZE pixels_;
    UniqueDc dc_;
    UniqueBitmap bitmap_;
    const BYTE* bits_ = nullptr;  // rows from the top, 4 bytes a pixel: blue, green, red, unused
    std::optional<SelectionGuard> selected_;
    std::optional<GdiSurface> canvas_;  // goes first, giving the DC its font back
};

}  // namespace

void Win32Pictures::CopyToClipboard(std::int32_t width, std::int32_t height, float twipsPerPixel,
                                    const Draw& draw) {
    Win32Picture picture(owner_, SIZE{width, height}, twipsPerPixel);
    draw(picture.Canvas());
    picture.CopyToClipboard();
}

std::string Win32Pictures::EncodePng(std::int32_t width, std::int32_t height, float twipsPerPixel,
                                     const Draw& draw) {
    Win32Picture picture(owner_, SIZE{width, height}, twipsPerPixel);
    draw(picture.Canvas());
    return picture.EncodePng();
}

}  // namespace ruvo::win32
