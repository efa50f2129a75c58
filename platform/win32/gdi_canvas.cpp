#include "platform/win32/gdi_canvas.h"

#include <optional>
#include <vector>

#include "platform/win32/scoped_handle.h"
#include "platform/win32/wide_text.h"

namespace vc {
namespace {

COLORREF ToColorRef(Rgb c) {
    return RGB(c.r, c.g, c.b);
}

RECT ToRECT(const Rect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

// Stands in for a font the system could not make; a stock object, never deleted.
HFONT StockFont() {
    if (HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT)) {
        return static_cast<HFONT>(font);
    }
    return static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

bool SameGdiFont(const TFont& a, const TFont& b) {
    return a.Height == b.Height && a.Charset == b.Charset && a.Bold == b.Bold &&
           a.Italic == b.Italic && a.Name == b.Name;
}

}  // namespace

HFONT FontCache::Get(const TFont& font) {
    for (const Made& made : fonts_) {
        if (SameGdiFont(made.description, font)) {
            return made.font.get();
        }
    }
    ScopedFont made(CreateFontW(
        font.Height, 0, 0, 0, font.Bold ? FW_BOLD : FW_NORMAL, font.Italic ? TRUE : FALSE, FALSE,
        FALSE, static_cast<DWORD>(font.Charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
        DEFAULT_QUALITY, DEFAULT_PITCH, Cp932ToWide(font.Name).c_str()));
    if (!made) {
        return StockFont();  // not kept: the next text in this font asks again
    }
    fonts_.push_back(Made{font, std::move(made)});
    return fonts_.back().font.get();
}

void GdiCanvas::FillRect(const Rect& area, TColor colour) {
    if (area.Empty()) {
        return;
    }
    const RECT r = ToRECT(area);
    SetBkColor(dc_, ToColorRef(system_.ResolveColor(colour)));
    ExtTextOutW(dc_, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

void GdiCanvas::DrawBitmap(Point at, const Bitmap& picture, const Rect& clip) {
    const Rect visible = Intersect(RectAt(at.x, at.y, picture.Width(), picture.Height()), clip);
    if (visible.Empty()) {
        return;
    }
    // A bottom-up 32-bit DIB of just the visible part.
    const int width = visible.Width();
    const int height = visible.Height();
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) *
                                      static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb& p = picture.At(visible.left - at.x + x, visible.top - at.y + y);
            pixels[static_cast<std::size_t>((height - 1 - y) * width + x)] =
                static_cast<std::uint32_t>(p.r) << 16 | static_cast<std::uint32_t>(p.g) << 8 | p.b;
        }
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc_, visible.left, visible.top, static_cast<DWORD>(width),
                      static_cast<DWORD>(height), 0, 0, 0, static_cast<UINT>(height), pixels.data(),
                      &info, DIB_RGB_COLORS);
}

void GdiCanvas::DrawText(Point at, std::string_view cp932, const TFont& font, const Rect& clip,
                         int underline) {
    const std::wstring text = Cp932ToWide(cp932);
    const Selection selected(dc_, fonts_.Get(font));
    SetBkMode(dc_, TRANSPARENT);
    const COLORREF colour = ToColorRef(system_.ResolveColor(font.Color));
    SetTextColor(dc_, colour);
    const RECT r = ToRECT(clip);
    ExtTextOutW(dc_, at.x, at.y, ETO_CLIPPED, &r, text.c_str(), static_cast<UINT>(text.size()),
                nullptr);
    if (underline >= 0 && static_cast<std::size_t>(underline) < text.size()) {
        SIZE before{};
        SIZE through{};
        GetTextExtentPoint32W(dc_, text.c_str(), underline, &before);
        GetTextExtentPoint32W(dc_, text.c_str(), underline + 1, &through);
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc_, &metrics);
        const Rect line = Intersect(Rect{at.x + before.cx, at.y + metrics.tmAscent + 1,
                                         at.x + through.cx, at.y + metrics.tmAscent + 2},
                                    clip);
        const RECT lr = ToRECT(line);
        SetBkColor(dc_, colour);
        ExtTextOutW(dc_, 0, 0, ETO_OPAQUE, &lr, nullptr, 0, nullptr);
    }
}

GdiTextMetrics::GdiTextMetrics(FontCache& fonts)
    : fonts_(fonts), dc_(CreateCompatibleDC(nullptr)) {}

SIZE GdiTextMetrics::Extent(const std::wstring& text, const TFont& font) const {
    std::optional<WindowDc> screen;  // only when the memory DC could not be made
    if (!dc_) {
        screen.emplace();
    }
    const HDC dc = dc_ ? dc_.get() : screen->Dc();
    const Selection selected(dc, fonts_.Get(font));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    if (text.empty()) {
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        size.cy = metrics.tmHeight;
    }
    return size;
}

int GdiTextMetrics::TextWidth(std::string_view cp932, const TFont& font) const {
    return static_cast<int>(Extent(Cp932ToWide(cp932), font).cx);
}

int GdiTextMetrics::TextHeight(const TFont& font) const {
    return static_cast<int>(Extent(L"", font).cy);
}

}  // namespace vc
