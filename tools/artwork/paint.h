#pragma once
#include <algorithm>
#include <cstdint>

#include "framework/color.h"

// Integer-only helpers, so that every compiler paints the same bytes.
namespace vc::artwork::paint {

// A well-mixed 32-bit hash of a lattice point; stands in for a seeded random source.
inline std::uint32_t Hash(int x, int y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B9u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

// Uniform in [-amplitude, amplitude].
inline int Jitter(int x, int y, std::uint32_t seed, int amplitude) {
    const auto span = static_cast<std::uint32_t>(2 * amplitude + 1);
    return static_cast<int>(Hash(x, y, seed) % span) - amplitude;
}

inline int Wrap(int v, int period) {
    return ((v % period) + period) % period;
}

// Smooth value noise in [-amplitude, amplitude] on cells of cellW x cellH; the lattice
// repeats every periodX cells across, so a picture can join with itself.
inline int ValueNoise(int x, int y, int cellW, int cellH, int periodX, std::uint32_t seed,
                      int amplitude) {
    const int cx = x / cellW;
    const int cy = y / cellH;
    const int fx = x % cellW;
    const int fy = y % cellH;
    auto corner = [&](int i, int j) {
        return Jitter(Wrap(cx + i, periodX), cy + j, seed, amplitude);
    };
    const int top = corner(0, 0) * (cellW - fx) + corner(1, 0) * fx;
    const int bottom = corner(0, 1) * (cellW - fx) + corner(1, 1) * fx;
    const int sum = top * (cellH - fy) + bottom * fy;
    const int scale = cellW * cellH;
    // Rounds half away from zero, identically everywhere.
    return sum >= 0 ? (sum + scale / 2) / scale : -((-sum + scale / 2) / scale);
}

inline std::uint8_t Clamp(int v) {
    return static_cast<std::uint8_t>(std::clamp(v, 0, 255));
}

inline Rgb Shift(Rgb c, int delta) {
    return Rgb{Clamp(c.r + delta), Clamp(c.g + delta), Clamp(c.b + delta)};
}

// `weight` of b, in 1/256.
inline Rgb Mix(Rgb a, Rgb b, int weight) {
    auto channel = [weight](int u, int v) {
        return Clamp((u * (256 - weight) + v * weight + 128) >> 8);
    };
    return Rgb{channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

inline constexpr Rgb Hex(std::uint32_t rgb) {
    return Rgb{static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
               static_cast<std::uint8_t>(rgb)};
}

inline int ISqrt(std::int64_t v) {
    if (v <= 0) {
        return 0;
    }
    std::int64_t r = 0;
    std::int64_t bit = std::int64_t{1} << 62;
    while (bit > v) {
        bit >>= 2;
    }
    while (bit != 0) {
        if (v >= r + bit) {
            v -= r + bit;
            r = (r >> 1) + bit;
        } else {
            r >>= 1;
        }
        bit >>= 2;
    }
    return static_cast<int>(r);
}

}  // namespace vc::artwork::paint
