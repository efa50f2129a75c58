#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "framework/canvas.h"
#include "framework/seam/window_system.h"
#include "platform/win32/scoped_handle.h"

namespace vc {

// Fonts made once per description and kept for the run. One the system cannot make is not
// kept: a stock font stands in until it can (see error_policy.h).
class FontCache {
  public:
    HFONT Get(const TFont& font);

  private:
    // What makes two fonts the same GDI font (the colour does not), looked up without
    // building a key: every paint asks.
    struct Made {
        TFont description;
        ScopedFont font;
    };
    std::vector<Made> fonts_;
};

class GdiCanvas final : public Canvas {
  public:
    GdiCanvas(HDC dc, FontCache& fonts, const WindowSystem& system)
        : dc_(dc), fonts_(fonts), system_(system) {}

    void FillRect(const Rect& area, TColor colour) override;
    void DrawBitmap(Point at, const Bitmap& picture, const Rect& clip) override;
    void DrawText(Point at, std::string_view cp932, const TFont& font, const Rect& clip,
                  int underline) override;

  private:
    HDC dc_;
    FontCache& fonts_;
    const WindowSystem& system_;
};

// Text extents measured with GDI, in a memory DC compatible with the screen kept for the
// run: a label resizes to its text eight times a second.
class GdiTextMetrics final : public TextMetrics {
  public:
    explicit GdiTextMetrics(FontCache& fonts);
    int TextWidth(std::string_view cp932, const TFont& font) const override;
    int TextHeight(const TFont& font) const override;

  private:
    SIZE Extent(const std::wstring& text, const TFont& font) const;
    FontCache& fonts_;
    ScopedDc dc_;  // null when it could not be made: then text is measured in the screen's DC
};

}  // namespace vc
