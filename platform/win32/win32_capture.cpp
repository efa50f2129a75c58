#include "platform/win32/win32_capture.h"

#include <vector>

#include "platform/win32/error_policy.h"
#include "platform/win32/scoped_handle.h"

namespace vc {
namespace {

// A capture cannot do without the screen's DC, nor the window's.
HDC Required(const WindowDc& dc) {
    if (dc.Dc() == nullptr) {
        ThrowOutOfResources();
    }
    return dc.Dc();
}

// BITMAPINFO with room for a full colour table.
struct InfoWithColours {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
};

// What is asked of GetDIBits and CreateDIBSection: the whole picture, bottom-up, at
// `bitsPerPixel`.
InfoWithColours DibRequest(Size size, int bitsPerPixel) {
    InfoWithColours info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = size.width;
    info.header.biHeight = size.height;
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(bitsPerPixel);
    return info;
}

DibInfoHeader FromSystem(const BITMAPINFOHEADER& h) {
    return DibInfoHeader{h.biSize,          h.biWidth,       h.biHeight,      h.biPlanes,
                         h.biBitCount,      h.biCompression, h.biSizeImage,   h.biXPelsPerMeter,
                         h.biYPelsPerMeter, h.biClrUsed,     h.biClrImportant};
}

class Win32Dib final : public DibPixels {
  public:
    Win32Dib(HBITMAP capture, Size size, int bitsPerPixel) {
        InfoWithColours info = DibRequest(size, bitsPerPixel);
        const WindowDc screen;
        const HDC dc = Required(screen);
        auto* asInfo = reinterpret_cast<BITMAPINFO*>(&info);
        void* bits = nullptr;
        section_.reset(CreateDIBSection(dc, asInfo, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!section_) {
            ThrowOutOfResources();
        }
        GetDIBits(dc, capture, 0, static_cast<UINT>(size.height), bits, asInfo, DIB_RGB_COLORS);
        DIBSECTION described{};
        GetObjectA(section_.get(), sizeof described, &described);
        header_ = FromSystem(described.dsBmih);
        bits_ = std::span<const std::uint8_t>(static_cast<const std::uint8_t*>(bits),
                                              header_.biSizeImage);
        if (bitsPerPixel <= 8) {
            const auto* table = reinterpret_cast<const std::uint8_t*>(info.colours);
            colours_.assign(table, table + (std::size_t{1} << bitsPerPixel) * sizeof(RGBQUAD));
        }
    }
    Win32Dib(const Win32Dib&) = delete;
    Win32Dib& operator=(const Win32Dib&) = delete;

    const DibInfoHeader& Header() const override { return header_; }
    std::span<const std::uint8_t> ColourTable() const override { return colours_; }
    std::span<const std::uint8_t> Bits() const override { return bits_; }

  private:
    ScopedBitmap section_;
    DibInfoHeader header_;
    std::span<const std::uint8_t> bits_;
    std::vector<std::uint8_t> colours_;
};

}  // namespace

Win32Capture::Win32Capture(HWND source, Size size, Source how) : size_(size) {
    const WindowDc screen;
    const HDC dc = Required(screen);
    bitsPerPixel_ = GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES);
    if (!HasPixels()) {
        return;
    }
    if (bitsPerPixel_ == 32) {
        // The display's own format as a top-down DIB section: the encoder reads its rows
        // where they lie, with no second copy.
        InfoWithColours info = DibRequest(Size{size.width, -size.height}, 32);
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(dc, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                       &bits, nullptr, 0));
        rows32_ = static_cast<const std::uint8_t*>(bits);
    } else {
        bitmap_.reset(CreateCompatibleBitmap(dc, size.width, size.height));
    }
    if (!bitmap_) {
        ThrowOutOfResources();
    }
    const ScopedDc memory(CreateCompatibleDC(dc));
    if (!memory) {
        ThrowOutOfResources();
    }
    // Put back before the DC goes, so that GetDIBits may read the bitmap later.
    const Selection picture(memory.get(), bitmap_.get());
    if (!picture) {
        ThrowOutOfResources();
    }
    // A print that draws nothing leaves the black the copy had, never a white picture.
    PatBlt(memory.get(), 0, 0, size.width, size.height,
           how == Source::Print ? BLACKNESS : WHITENESS);
    if (how == Source::Print) {
        // PW_RENDERFULLCONTENT (Windows 8.1): DirectX content as well.
        constexpr UINT kClientOnlyFullContent = PW_CLIENTONLY | 0x2;
        filled_ = PrintWindow(source, memory.get(), kClientOnlyFullContent) != FALSE;
    } else {
        const WindowDc from(source);
        if (from.Dc() == nullptr && !IsWindow(source)) {
            sourceGone_ = true;
            return;
        }
        BitBlt(memory.get(), 0, 0, size.width, size.height, Required(from), 0, 0, SRCCOPY);
    }
}

Win32Capture::~Win32Capture() = default;

void Win32Capture::CopyRows(int bitsPerPixel, int top, int count, std::uint8_t* out) const {
    InfoWithColours info = DibRequest(size_, bitsPerPixel);
    const WindowDc screen;
    // Scan lines count from the bottom of the picture.
    const int firstScan = size_.height - top - count;
    GetDIBits(Required(screen), bitmap_.get(), static_cast<UINT>(firstScan),
              static_cast<UINT>(count), out, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
}

std::optional<Rows32> Win32Capture::DirectRows() const {
    if (rows32_ == nullptr) {
        return std::nullopt;
    }
    GdiFlush();  // the copy into the section is complete before its bits are read
    return Rows32{rows32_, static_cast<std::size_t>(size_.width) * 4};
}

std::unique_ptr<DibPixels> Win32Capture::ToDib(int bitsPerPixel) const {
    return std::make_unique<Win32Dib>(bitmap_.get(), size_, bitsPerPixel);
}

}  // namespace vc
