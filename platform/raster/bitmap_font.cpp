#include "platform/raster/bitmap_font.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>
#include <stdexcept>

#include "framework/cp932_bytes.h"

namespace vc {
namespace {

constexpr int kJisCells = 94;

struct LibraryDone {
    void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
using Library = std::unique_ptr<FT_LibraryRec_, LibraryDone>;

struct FaceDone {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using Face = std::unique_ptr<FT_FaceRec_, FaceDone>;

Library OpenLibrary() {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        throw std::runtime_error("FreeType cannot start");
    }
    return Library(library);
}

// PCF fonts of registry ISO8859-1 get a Unicode character map; the JIS ones only a map of
// encoding "none" holding the raw codes, which FreeType does not make current by itself.
Face OpenFace(FT_Library library, const std::string& path, FT_Encoding encoding) {
    FT_Face raw = nullptr;
    if (FT_New_Face(library, path.c_str(), 0, &raw) != 0) {
        throw std::runtime_error("cannot load font " + path);
    }
    Face face(raw);
    if (face->num_fixed_sizes > 0 && FT_Select_Size(face.get(), 0) != 0) {
        throw std::runtime_error("cannot select the size of font " + path);
    }
    for (int i = 0; i < face->num_charmaps; ++i) {
        if (face->charmaps[i]->encoding == encoding &&
            FT_Set_Charmap(face.get(), face->charmaps[i]) == 0) {
            return face;
        }
    }
    throw std::runtime_error("font " + path + " lacks the expected character map");
}

int Ascent(FT_Face face) {
    return static_cast<int>((face->size->metrics.ascender + 32) >> 6);
}

bool IsTrailByte(unsigned char b) {
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

// Calls f(character bytes, x, width) for each character; a lead byte without a valid trail
// stands alone as one half-width cell.
template <typename F>
void ForEachCharacter(std::string_view text, F&& f) {
    int x = 0;
    for (std::size_t at = 0; at < text.size();) {
        const bool pair = IsLeadByte(static_cast<unsigned char>(text[at])) &&
                          at + 1 < text.size() &&
                          IsTrailByte(static_cast<unsigned char>(text[at + 1]));
        const std::size_t length = pair ? 2 : 1;
        const int width = pair ? BitmapFont::kFullWidth : BitmapFont::kHalfWidth;
        f(text.substr(at, length), x, width);
        x += width;
        at += length;
    }
}

// Index into the 94 x 94 JIS X 0208 table, or -1 for Shift-JIS rows beyond it (user-defined
// and vendor extensions).
int JisIndex(unsigned char lead, unsigned char trail) {
    int row = (lead <= 0x9F ? lead - 0x81 : lead - 0xC1) * 2;
    int cell = trail - (trail >= 0x80 ? 0x41 : 0x40);
    if (cell >= kJisCells) {
        ++row;
        cell -= kJisCells;
    }
    return row < kJisCells ? row * kJisCells + cell : -1;
}

using Rows = std::array<std::uint16_t, BitmapFont::kLineHeight>;

class GlyphRenderer {
  public:
    GlyphRenderer(FT_Face face, int baseline) : face_(face), baseline_(baseline) {}

    // Bit x of row y is the pixel at column x of the cell; ink outside the cell is dropped.
    Rows Render(FT_ULong code, int cellWidth) const {
        Rows rows{};
        const FT_UInt index = FT_Get_Char_Index(face_, code);
        if (index == 0 || FT_Load_Glyph(face_, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) {
            return rows;
        }
        const FT_GlyphSlot slot = face_->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        for (unsigned row = 0; row < bitmap.rows; ++row) {
            const int y = baseline_ - slot->bitmap_top + static_cast<int>(row);
            if (y < 0 || y >= BitmapFont::kLineHeight) {
                continue;
            }
            const unsigned char* line = bitmap.buffer + static_cast<long>(row) * bitmap.pitch;
            for (unsigned column = 0; column < bitmap.width; ++column) {
                const int x = slot->bitmap_left + static_cast<int>(column);
                if (x >= 0 && x < cellWidth && Ink(bitmap, line, column)) {
                    rows[static_cast<std::size_t>(y)] |= static_cast<std::uint16_t>(1u << x);
                }
            }
        }
        return rows;
    }

  private:
    static bool Ink(const FT_Bitmap& bitmap, const unsigned char* line, unsigned column) {
        if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
            return (line[column / 8] >> (7 - column % 8) & 1) != 0;
        }
        return bitmap.pixel_mode == FT_PIXEL_MODE_GRAY && line[column] >= 128;
    }

    FT_Face face_;
    int baseline_;
};

}  // namespace

BitmapFont::BitmapFont(const std::string& folder)
    : double_(static_cast<std::size_t>(kJisCells * kJisCells)) {
    const Library library = OpenLibrary();
    const Face ascii = OpenFace(library.get(), folder + "/shnm6x12a.pcf.gz", FT_ENCODING_UNICODE);
    const Face kana = OpenFace(library.get(), folder + "/shnm6x12r.pcf.gz", FT_ENCODING_NONE);
    const Face kanji = OpenFace(library.get(), folder + "/shnmk12.pcf.gz", FT_ENCODING_NONE);

    // One baseline for the whole line, as Windows draws it with a single font.
    const int baseline = Ascent(kanji.get());
    const GlyphRenderer asciiGlyphs(ascii.get(), baseline);
    const GlyphRenderer kanaGlyphs(kana.get(), baseline);
    const GlyphRenderer kanjiGlyphs(kanji.get(), baseline);

    for (unsigned code = 0x20; code <= 0x7E; ++code) {
        // Japanese Windows fonts show 0x5C as the yen sign; only the JIS X 0201 font has it.
        const GlyphRenderer& glyphs = code == 0x5C ? kanaGlyphs : asciiGlyphs;
        single_[code].rows = glyphs.Render(code, kHalfWidth);
    }
    for (unsigned code = 0xA1; code <= 0xDF; ++code) {
        single_[code].rows = kanaGlyphs.Render(code, kHalfWidth);
    }
    for (int row = 0; row < kJisCells; ++row) {
        for (int cell = 0; cell < kJisCells; ++cell) {
            const auto code = static_cast<FT_ULong>((0x21 + row) << 8 | (0x21 + cell));
            double_[static_cast<std::size_t>(row * kJisCells + cell)].rows =
                kanjiGlyphs.Render(code, kFullWidth);
        }
    }
}

const BitmapFont::Mask& BitmapFont::MaskFor(std::string_view character) const {
    const auto lead = static_cast<unsigned char>(character[0]);
    if (character.size() == 1) {
        return single_[lead];
    }
    const int index = JisIndex(lead, static_cast<unsigned char>(character[1]));
    return index < 0 ? blank_ : double_[static_cast<std::size_t>(index)];
}

int BitmapFont::MeasureWidth(std::string_view cp932) const {
    int total = 0;
    ForEachCharacter(cp932, [&](std::string_view, int, int width) { total += width; });
    return total;
}

void BitmapFont::Draw(Bitmap& target, Point origin, std::string_view cp932, Rgb colour,
                      const Rect& clip) const {
    const Rect bounds = Intersect(clip, Rect{0, 0, target.Width(), target.Height()});
    if (bounds.Empty()) {
        return;
    }
    ForEachCharacter(cp932, [&](std::string_view character, int x, int width) {
        const int left = origin.x + x;
        if (left >= bounds.right || left + width <= bounds.left) {
            return;
        }
        const Mask& mask = MaskFor(character);
        for (int y = 0; y < kLineHeight; ++y) {
            const int py = origin.y + y;
            const unsigned bits = mask.rows[static_cast<std::size_t>(y)];
            if (bits == 0 || py < bounds.top || py >= bounds.bottom) {
                continue;
            }
            for (int column = 0; column < width; ++column) {
                const int px = left + column;
                if ((bits >> column & 1u) != 0 && px >= bounds.left && px < bounds.right) {
                    target.At(px, py) = colour;
                }
            }
        }
    });
}

void BitmapFont::DrawUnderline(Bitmap& target, Point origin, std::string_view cp932,
                               std::size_t charIndex, Rgb colour, const Rect& clip) const {
    std::size_t index = 0;
    ForEachCharacter(cp932, [&](std::string_view, int x, int width) {
        if (index++ == charIndex) {
            const Rect line = RectAt(origin.x + x, origin.y + kLineHeight - 1, width, 1);
            target.Fill(Intersect(line, clip), colour);
        }
    });
}

const BitmapFont& BitmapFont::Shared() {
    static const BitmapFont font;
    return font;
}

}  // namespace vc
