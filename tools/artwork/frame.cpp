#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

#include "tools/artwork/artwork.h"
#include "tools/artwork/paint.h"

namespace vc::artwork {
namespace {

using paint::Hex;

constexpr int kWidth = 175;
constexpr int kHeight = 9;
constexpr std::array kRivets{25, 55, 119, 149};
constexpr int kRivetRow = 4;

enum class Part { kDark, kRail, kBand, kEdge };

struct Row {
    Part part;
    Rgb colour;
};

struct Bar {
    std::array<Row, kHeight> rows;
    int glintCentre;  // x of the brightest rail pixel
    int glintReach;   // pixels either side before the glint fades out
    std::uint32_t seed;
};

const Bar kTop{{{
                   {Part::kDark, Hex(0x363E4B)},
                   {Part::kRail, Hex(0x97A0AD)},
                   {Part::kDark, Hex(0x3A424F)},
                   {Part::kBand, Hex(0x505864)},
                   {Part::kBand, Hex(0x565E6A)},
                   {Part::kBand, Hex(0x5B626F)},
                   {Part::kBand, Hex(0x606774)},
                   {Part::kDark, Hex(0x3B4350)},
                   {Part::kEdge, Hex(0x778291)},
               }},
               86,
               7,
               11};

const Bar kBottom{{{
                      {Part::kEdge, Hex(0x798193)},
                      {Part::kDark, Hex(0x3B4350)},
                      {Part::kBand, Hex(0x606774)},
                      {Part::kBand, Hex(0x5B626F)},
                      {Part::kBand, Hex(0x565E6A)},
                      {Part::kBand, Hex(0x505864)},
                      {Part::kDark, Hex(0x3A424F)},
                      {Part::kRail, Hex(0x98A0AD)},
                      {Part::kDark, Hex(0x353E4B)},
                  }},
                  86,
                  6,
                  23};

// Brushed grain along the bar; it repeats every kWidth pixels so two copies join.
int Grain(int x, int y, std::uint32_t seed, int strength) {
    const int streak = paint::ValueNoise(x, y, 7, 1, kWidth / 7, seed, 4) +
                       paint::ValueNoise(x, y, 5, 1, kWidth / 5, seed + 1, 3);
    return (streak + paint::Jitter(paint::Wrap(x, kWidth), y, seed + 2, 2)) * strength / 2;
}

// Rises smoothly to `peak` at the centre, zero from `reach` + 1 pixels away.
int Glint(int x, int centre, int reach, int peak) {
    const int d = std::abs(x - centre);
    const int r = reach + 1;
    return d >= r ? 0 : peak * (r * r - d * d) / (r * r);
}

bool NextToRail(const Bar& bar, int y) {
    auto rail = [&bar](int row) {
        return row >= 0 && row < kHeight &&
               bar.rows[static_cast<std::size_t>(row)].part == Part::kRail;
    };
    return rail(y - 1) || rail(y + 1);
}

void PaintRivet(Bitmap& b, int cx, int cy) {
    auto shift = [&](int dx, int dy, int delta) {
        b.At(cx + dx, cy + dy) = paint::Shift(b.At(cx + dx, cy + dy), delta);
    };
    // A small dome lit from the upper left; its shadow falls right and down.
    shift(-1, -1, 20);
    shift(0, -1, 40);
    shift(1, -1, 14);
    shift(-1, 0, 40);
    shift(-1, 1, 10);
    shift(1, 1, -36);
    shift(2, 0, -8);
    shift(2, 1, -12);
    shift(0, 2, -8);
    shift(1, 2, -12);
    b.At(cx, cy) = Hex(0xFFFFFF);
    b.At(cx + 1, cy) = Hex(0x000000);
    b.At(cx, cy + 1) = Hex(0x000000);
}

Bitmap PaintBar(const Bar& bar) {
    Bitmap b(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        const Row& row = bar.rows[static_cast<std::size_t>(y)];
        for (int x = 0; x < kWidth; ++x) {
            const int strength = row.part == Part::kDark ? 1 : 2;
            int delta = Grain(x, y, bar.seed, strength);
            if (row.part == Part::kRail) {
                delta += Glint(x, bar.glintCentre, bar.glintReach, 80);
            } else if (NextToRail(bar, y)) {
                delta += Glint(x, bar.glintCentre, bar.glintReach, 12);
            }
            b.At(x, y) = paint::Shift(row.colour, delta);
        }
    }
    for (int x : kRivets) {
        PaintRivet(b, x, kRivetRow);
    }
    return b;
}

}  // namespace

Bitmap FrameTop() {
    return PaintBar(kTop);
}

Bitmap FrameBottom() {
    return PaintBar(kBottom);
}

}  // namespace vc::artwork
