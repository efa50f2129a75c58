#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "tools/artwork/artwork.h"
#include "tools/artwork/paint.h"

namespace vc::artwork {
namespace {

using paint::Hex;
using paint::ISqrt;

// Scene units: 1/16 pixel, measured from the icon's centre; y grows downwards.
constexpr int kUnit = 16;
constexpr int kSize = 32;
constexpr int kSamples = 8;  // per pixel side

constexpr int Px10(int tenths) {
    return tenths * kUnit / 10;
}

struct V {
    int x = 0;
    int y = 0;
};

constexpr V operator+(V a, V b) {
    return {a.x + b.x, a.y + b.y};
}
constexpr V operator-(V a, V b) {
    return {a.x - b.x, a.y - b.y};
}
// Scales by n/256.
constexpr V Scale(V a, int n) {
    return {a.x * n / 256, a.y * n / 256};
}
constexpr std::int64_t Dot(V a, V b) {
    return std::int64_t{a.x} * b.x + std::int64_t{a.y} * b.y;
}
constexpr std::int64_t Cross(V a, V b) {
    return std::int64_t{a.x} * b.y - std::int64_t{a.y} * b.x;
}
int Length(V a) {
    return ISqrt(Dot(a, a));
}

// Towards the light (upper left, in front), 1/256 units; length about 244.
constexpr int kLx = -100;
constexpr int kLy = -130;
constexpr int kLz = 180;

int Lambert(int nx, int ny, int nz) {
    return (nx * kLx + ny * kLy + nz * kLz) / 256;
}

// Shading of a round tube whose axis follows a circle: `offset` from the axis, in units.
int TubeLight(V fromCentre, int offset, int halfWidth) {
    const int r = std::max(Length(fromCentre), 1);
    const int t = std::clamp(offset * 256 / halfWidth, -256, 256);
    const int dx = fromCentre.x * 256 / r;
    const int dy = fromCentre.y * 256 / r;
    return Lambert(dx * t / 256, dy * t / 256, ISqrt(65536 - t * t));
}

// Shading of an upright ellipsoid cap centred at `c` with semi-axes a, b.
int DomeLight(V p, V c, int a, int b) {
    const int nx = std::clamp((p.x - c.x) * 256 / a, -256, 256);
    const int ny = std::clamp((p.y - c.y) * 256 / b, -256, 256);
    return Lambert(nx, ny, ISqrt(std::max(0, 65536 - nx * nx - ny * ny)));
}

bool InEllipse(V p, V c, int a, int b) {
    const std::int64_t dx = p.x - c.x;
    const std::int64_t dy = p.y - c.y;
    const std::int64_t ab = std::int64_t{a} * b;
    return dx * dx * b * b + dy * dy * a * a <= ab * ab;
}

bool InCircle(V p, V c, int r) {
    return Dot(p - c, p - c) <= std::int64_t{r} * r;
}

// Four-stop ramp from shadow to highlight; light in -256..256.
struct Ramp {
    Rgb shadow;
    Rgb mid;
    Rgb lit;
    Rgb glint;

    Rgb At(int light) const {
        const int t = std::clamp(light, -256, 256);
        if (t < 0) {
            return paint::Mix(mid, shadow, -t);
        }
        if (t < 200) {
            return paint::Mix(mid, lit, t * 256 / 200);
        }
        return paint::Mix(lit, glint, std::min(256, (t - 200) * 256 / 40));
    }
};

constexpr Ramp kSilver{Hex(0x28385A), Hex(0x7388B0), Hex(0xBCCDE6), Hex(0xF2F6FC)};
constexpr Ramp kGold{Hex(0x5E360A), Hex(0xC08A1E), Hex(0xF2CE58), Hex(0xFFF4C4)};
constexpr Ramp kSkin{Hex(0xB86A48), Hex(0xE9A57C), Hex(0xFAD2B2), Hex(0xFFEEDD)};
constexpr Ramp kHair{Hex(0x7A2A08), Hex(0xD0601A), Hex(0xF29A3A), Hex(0xFFD08A)};
constexpr Ramp kCloth{Hex(0x300A18), Hex(0x7C1A2C), Hex(0xB03A44), Hex(0xE07A70)};
constexpr Rgb kGoldLine = Hex(0x3A2006);

constexpr int kOuter = 16 * kUnit;
constexpr int kRingInner = Px10(128);

// ---- Scrollwork: a spiral on the diagonal, with a tail along the ring each way. ----

struct Stroke {
    int light = 0;
    bool line = false;  // the dark line round the gold
};

constexpr int kLine = Px10(3);

// `facing` is -1 for an ornament turned half round, whose surfaces face the other way.
std::optional<Stroke> Arc(V p, V centre, int radius, int halfWidth, int facing) {
    const V d = p - centre;
    const int offset = Length(d) - radius;
    if (std::abs(offset) > halfWidth + kLine) {
        return std::nullopt;
    }
    return Stroke{TubeLight(V{d.x * facing, d.y * facing}, offset, halfWidth),
                  std::abs(offset) > halfWidth};
}

std::optional<Stroke> Bud(V p, V centre, int radius, int facing) {
    if (!InCircle(p, centre, radius + kLine)) {
        return std::nullopt;
    }
    const V d = p - centre;
    return Stroke{DomeLight(V{d.x * facing, d.y * facing}, V{}, radius, radius),
                  !InCircle(p, centre, radius)};
}

// Keeps the gold over the dark line where two strokes meet.
void Take(std::optional<Stroke>& best, const std::optional<Stroke>& hit) {
    if (hit && (!best || (best->line && !hit->line))) {
        best = hit;
    }
}

// One over root two, in 1/256.
constexpr int kDiag = 181;

// The upper-left ornament, in the frame where `axis` points from it to the centre.
std::optional<Stroke> Scroll(V p, int facing) {
    const V axis{kDiag, kDiag};
    const int distance = Px10(92);
    const int r0 = Px10(36);
    const int gap = Px10(14);
    const V a = Scale(axis, -distance);
    const V b = a + Scale(axis, gap);
    std::optional<Stroke> best;
    // Half turns about two centres, winding inwards and narrowing, then a bud.
    const std::array<int, 2> widths{Px10(7), Px10(6)};
    for (int k = 0; k < 2; ++k) {
        const bool even = k % 2 == 0;
        const std::int64_t side = Cross(axis, p - (even ? a : b));
        if ((even && side < 0) || (!even && side > 0)) {
            continue;
        }
        Take(best, Arc(p, even ? a : b, r0 - k * gap, widths[static_cast<std::size_t>(k)], facing));
    }
    Take(best, Bud(p, a - Scale(axis, r0 - 2 * gap), Px10(11), facing));

    // A tail each way along a circle about the icon's centre, through the spiral's outer
    // point, thinning to nothing.
    const int tailRadius = distance + r0;
    const int r = Length(p);
    constexpr int kReachCos = 140;  // about 57 degrees from the diagonal
    const std::int64_t cosine = r > 0 ? -Dot(p, axis) / r : 0;
    if (cosine > kReachCos) {
        const int width = static_cast<int>(Px10(7) * (cosine - kReachCos) / (256 - kReachCos));
        if (width > Px10(1)) {
            Take(best, Arc(p, V{}, tailRadius, width, facing));
        }
    }
    return best;
}

std::optional<Stroke> ScrollAt(V p) {
    if (auto s = Scroll(p, 1)) {
        return s;
    }
    // The lower right one is the same ornament turned half round.
    return Scroll(V{-p.x, -p.y}, -1);
}

// ---- The figure. ----

constexpr V kFace{0, Px10(-12)};
constexpr int kFaceA = Px10(33);
constexpr int kFaceB = Px10(40);
constexpr V kHairC{0, Px10(-26)};
constexpr int kHairA = Px10(49);
constexpr int kHairB = Px10(50);
constexpr V kLocksC{0, Px10(-8)};
constexpr int kLocksA = Px10(47);
constexpr int kLocksB = Px10(54);
constexpr V kBody{0, Px10(98)};
constexpr int kBodyA = Px10(66);
constexpr int kBodyB = Px10(50);
constexpr int kContour = Px10(4);
constexpr Rgb kContourColour = Hex(0x2A1208);

bool InHair(V p, int grow) {
    return InEllipse(p, kHairC, kHairA + grow, kHairB + grow) ||
           InEllipse(p, kLocksC, kLocksA + grow, kLocksB + grow);
}

std::optional<Rgb> FigureAt(V p) {
    if (InEllipse(p, kFace, kFaceA, kFaceB)) {
        // A fringe swept to one side.
        if (p.y < Px10(-30) - p.x * 3 / 8 - std::abs(p.x) / 8) {
            return kHair.At(DomeLight(p, kHairC, kHairA, kHairB) / 2 - 10);
        }
        for (int side : {-1, 1}) {
            if (InEllipse(p, V{side * Px10(14), Px10(-10)}, Px10(5), Px10(6))) {
                return Hex(0x2E140C);
            }
            if (InEllipse(p, V{side * Px10(20), Px10(6)}, Px10(8), Px10(5))) {
                return Hex(0xF09A80);
            }
        }
        if (InEllipse(p, V{0, Px10(14)}, Px10(8), Px10(3))) {
            return Hex(0xB0584A);
        }
        return kSkin.At(DomeLight(p, kFace + V{0, Px10(-6)}, kFaceA, kFaceB));
    }
    if (std::abs(p.x) <= Px10(12) && p.y >= Px10(20) && p.y <= Px10(56)) {
        // The neck, in the chin's shadow.
        return kSkin.At(-80 - std::abs(p.x) * 50 / Px10(12));
    }
    if (InEllipse(p, kBody, kBodyA, kBodyB)) {
        if (InCircle(p, V{0, Px10(60)}, Px10(8))) {
            return kGold.At(DomeLight(p, V{0, Px10(60)}, Px10(8), Px10(8)));
        }
        return kCloth.At(DomeLight(p, kBody + V{0, Px10(-12)}, kBodyA, kBodyB));
    }
    if (InHair(p, 0)) {
        int light = DomeLight(p, kLocksC, kLocksA, kLocksB) * 3 / 4 - 20;
        // A band of sheen across the crown.
        if (p.y < kHairC.y && InEllipse(p, kHairC, kHairA - Px10(10), kHairB - Px10(10)) &&
            !InEllipse(p, kHairC, kHairA - Px10(19), kHairB - Px10(19))) {
            light += 110;
        }
        return kHair.At(light);
    }
    if (InHair(p, kContour) || InEllipse(p, kBody, kBodyA + kContour, kBodyB + kContour)) {
        return kContourColour;
    }
    return std::nullopt;
}

Rgb Backdrop(V p) {
    const int r = Length(p);
    // Deep blue, brighter behind the head.
    const Rgb deep =
        paint::Mix(Hex(0x1C2C50), Hex(0x0E1630), (p.y + kRingInner) * 128 / kRingInner);
    const int glow = std::max(0, 256 - r * 256 / kRingInner);
    return paint::Mix(deep, Hex(0x4C6FA8), glow * glow / 256);
}

Rgb Ring(V p) {
    const int r = Length(p);
    const int mid = (kRingInner + kOuter) / 2;
    const int half = (kOuter - kRingInner) / 2;
    if (r < kRingInner + Px10(4) || r > kOuter - Px10(4)) {
        return Hex(0x1A2234);
    }
    return kSilver.At(TubeLight(p, r - mid, half));
}

Rgb SceneAt(V p) {
    const int r = Length(p);
    const std::optional<Stroke> s = ScrollAt(p);
    const bool scroll = s.has_value();
    if (scroll && !s->line) {
        return kGold.At(s->light);
    }
    if (r >= kRingInner) {
        return scroll ? kGoldLine : Ring(p);
    }
    if (auto figure = FigureAt(p)) {
        return scroll ? kGoldLine : *figure;
    }
    return scroll ? kGoldLine : Backdrop(p);
}

}  // namespace

RgbaImage IconImage() {
    RgbaImage image{kSize, kSize, {}};
    image.pixels.reserve(kSize * kSize);
    const int centre = kSize * kUnit / 2;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            int inside = 0;
            int sr = 0;
            int sg = 0;
            int sb = 0;
            for (int j = 0; j < kSamples; ++j) {
                for (int i = 0; i < kSamples; ++i) {
                    const V p{x * kUnit + (2 * i + 1) * kUnit / (2 * kSamples) - centre,
                              y * kUnit + (2 * j + 1) * kUnit / (2 * kSamples) - centre};
                    if (Dot(p, p) > std::int64_t{kOuter} * kOuter) {
                        continue;
                    }
                    const Rgb c = SceneAt(p);
                    ++inside;
                    sr += c.r;
                    sg += c.g;
                    sb += c.b;
                }
            }
            Rgba out;
            if (inside > 0) {
                out = Rgba{static_cast<std::uint8_t>((sr + inside / 2) / inside),
                           static_cast<std::uint8_t>((sg + inside / 2) / inside),
                           static_cast<std::uint8_t>((sb + inside / 2) / inside),
                           static_cast<std::uint8_t>((inside * 255 + kSamples * kSamples / 2) /
                                                     (kSamples * kSamples))};
            }
            image.pixels.push_back(out);
        }
    }
    return image;
}

}  // namespace vc::artwork
