#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/bitmap.h"
#include "framework/color.h"
#include "framework/geometry.h"

namespace vc {

// Draws CP932 text as the Windows font "ＭＳ ゴシック" at 12 pixels looks, from the Shinonome
// 12-dot fonts: single-byte characters 6 pixels wide, double-byte characters 12, lines 12 high.
// Every glyph is rendered when the font is constructed, so drawing never touches FreeType and
// a const font may be shared between threads.
class BitmapFont {
  public:
    static constexpr int kLineHeight = 12;
    static constexpr int kHalfWidth = 6;
    static constexpr int kFullWidth = 12;
    static constexpr const char* kDefaultFolder = "/usr/share/fonts/X11/misc";

    // Throws std::runtime_error naming the file when a font cannot be loaded.
    explicit BitmapFont(const std::string& folder = kDefaultFolder);
    // The font from the default folder, loaded once per process.
    static const BitmapFont& Shared();

    int MeasureWidth(std::string_view cp932) const;

    // Foreground pixels only; the top-left of the text's line is at origin.
    void Draw(Bitmap& target, Point origin, std::string_view cp932, Rgb colour,
              const Rect& clip) const;

    // A line on the bottom row of the cell of the character at charIndex (counted in
    // characters, not bytes), as Windows marks an access key.
    void DrawUnderline(Bitmap& target, Point origin, std::string_view cp932, std::size_t charIndex,
                       Rgb colour, const Rect& clip) const;

  private:
    // Bit x of rows[y] is the pixel at column x of the character's cell.
    struct Mask {
        std::array<std::uint16_t, kLineHeight> rows{};
    };

    const Mask& MaskFor(std::string_view character) const;

    std::array<Mask, 256> single_{};
    std::vector<Mask> double_;  // 94 x 94 JIS X 0208 cells
    Mask blank_{};
};

}  // namespace vc
