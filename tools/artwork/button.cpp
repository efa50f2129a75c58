#include <algorithm>
#include <cstdint>

#include "tools/artwork/artwork.h"
#include "tools/artwork/paint.h"

namespace vc::artwork {
namespace {

using paint::Hex;

constexpr int kSize = 18;
constexpr Rgb kBlack{0, 0, 0};

// A 45-degree X, three pixels per row; the bottom ends are cut by the box.
bool InCross(int x, int y) {
    if (x < 4 || x > 15 || y < 3 || y > 13) {
        return false;
    }
    const int d = x - y;
    const int s = x + y;
    return (d >= 1 && d <= 3) || (s >= 16 && s <= 18);
}

bool CrossCore(int x, int y) {
    return InCross(x, y) && InCross(x - 1, y) && InCross(x + 1, y) && InCross(x, y - 1) &&
           InCross(x, y + 1);
}

// Light falls from the upper left: stone just above or left of a stroke catches it.
bool LitEdge(int x, int y) {
    return !InCross(x, y) && (InCross(x + 1, y) || InCross(x, y + 1));
}

bool ShadedEdge(int x, int y) {
    return !InCross(x, y) && !LitEdge(x, y) && (InCross(x - 1, y) || InCross(x, y - 1));
}

struct Look {
    Rgb field;
    std::uint32_t seed;
    int texture;  // strength of the stone's grain, in 1/4
};

// Grains of a few flat tones with darker seams read as stone at this size; smooth noise
// reads as a smudge.
int StoneDelta(int x, int y, std::uint32_t seed, int texture) {
    constexpr int kCell = 4;
    int best = 1 << 30;
    int second = 1 << 30;
    int tone = 0;
    for (int cy = y / kCell - 1; cy <= y / kCell + 1; ++cy) {
        for (int cx = x / kCell - 1; cx <= x / kCell + 1; ++cx) {
            const std::uint32_t h = paint::Hash(cx, cy, seed);
            const int px = cx * kCell + static_cast<int>(h % kCell);
            const int py = cy * kCell + static_cast<int>((h >> 8) % kCell);
            const int dist = (px - x) * (px - x) + (py - y) * (py - y);
            if (dist < best) {
                second = best;
                best = dist;
                tone = static_cast<int>((h >> 16) % 5) * 5 - 10;
            } else if (dist < second) {
                second = dist;
            }
        }
    }
    int d = tone + paint::Jitter(x, y, seed + 1, 2);
    if (second - best <= 1) {
        d -= 6;
    }
    if (paint::Hash(x, y, seed + 2) % 100 < 4) {
        d -= 14;
    }
    return d * texture / 4;
}

Rgb StoneAt(const Look& look, int x, int y) {
    return paint::Shift(look.field, StoneDelta(x, y, look.seed, look.texture));
}

}  // namespace

Bitmap Button(ButtonState state) {
    const bool over = state == ButtonState::kOver;
    const bool down = state == ButtonState::kDown;
    const Look look = down ? Look{Hex(0xAC926F), 7, 5} : Look{Hex(0x70675B), 7, 4};
    Bitmap b(kSize, kSize);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            Rgb c = StoneAt(look, x, y);
            if (over && x >= 8) {
                c = paint::Shift(c, std::min(x - 7, 6) * 2);
            }
            // Raised tile: bright top and left rim, a darker inner rim before the shadow.
            if (x == 0 || y == 0) {
                c = paint::Shift(c, down ? 22 : 18);
            } else if (x == kSize - 2 || y == kSize - 2) {
                c = paint::Shift(c, -12);
            } else if (x == kSize - 1) {
                // Where the pressed tile has no shadow, its edge still turns away.
                c = paint::Shift(c, -26);
            }
            if (LitEdge(x, y)) {
                c = paint::Shift(c, down ? 40 : 34);
            } else if (ShadedEdge(x, y)) {
                c = paint::Shift(c, -14);
            }
            if (InCross(x, y)) {
                if (down) {
                    c = CrossCore(x, y) ? Hex(0xC81E18) : Hex(0xAE1613);
                } else if (over && CrossCore(x, y)) {
                    c = Hex(0x7F0E0F);
                } else {
                    c = kBlack;
                }
            }
            b.At(x, y) = c;
        }
    }
    // Drop shadow of the tile; the pressed tile keeps only its foot.
    for (int y = down ? 11 : 0; y < kSize; ++y) {
        b.At(kSize - 1, y) = kBlack;
    }
    for (int x = 1; x < kSize; ++x) {
        b.At(x, kSize - 1) = kBlack;
    }
    // The shadow starts one pixel in, as if the light were up and to the left.
    b.At(0, kSize - 1) = paint::Mix(look.field, kBlack, 208);
    return b;
}

}  // namespace vc::artwork
