// A screenshot saved as JPEG, against libjpeg-turbo encoding the same 32-bit pixels alone,
// into memory, with the same settings. Budget: the whole path, file included, at most 1.05
// times the bare encode. Also reported: the memory one capture needs beyond the picture.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/ratio_budget.h"
#include "framework/bitmap.h"
#include "framework/dib.h"
#include "platform/posix/posix_shell.h"
#include "screenshot/jpeg_file.h"
#include "screenshot/jpeg_parameters.h"
#include "tests/support/software_capture.h"

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

namespace {

constexpr double kBudget = 1.05;

struct Size {
    int width;
    int height;

    std::string Name() const { return std::to_string(width) + "x" + std::to_string(height); }
    friend auto operator<=>(const Size&, const Size&) = default;
};

constexpr Size kSizes[] = {{1920, 1080}, {3840, 2160}};

// Fixed seed and our own generator: the same picture with every standard library.
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}

    std::uint32_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    int Around(int amplitude) {
        return static_cast<int>(Next() % static_cast<std::uint32_t>(2 * amplitude + 1)) - amplitude;
    }

  private:
    std::uint32_t state_;
};

std::uint8_t Channel(double value) {
    return static_cast<std::uint8_t>(std::lround(std::fmin(255.0, std::fmax(0.0, value))));
}

vc::Rgb Mix(vc::Rgb from, vc::Rgb to, double t) {
    return vc::Rgb{Channel(from.r + (to.r - from.r) * t), Channel(from.g + (to.g - from.g) * t),
                   Channel(from.b + (to.b - from.b) * t)};
}

vc::Rgb Grain(vc::Rgb c, int amount) {
    return vc::Rgb{Channel(c.r + amount), Channel(c.g + amount), Channel(c.b + amount)};
}

// Half-transparent dark panel with lines of small bright glyphs, as a game's HUD draws them.
void DrawHud(vc::Bitmap& frame, vc::Rect area, int lines, Noise& noise) {
    const int dot = std::max(1, frame.Height() / 360);
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            frame.At(x, y) = Mix(frame.At(x, y), vc::Rgb{12, 14, 24}, 0.6);
        }
    }
    const int glyphWidth = 6 * dot;
    const int lineHeight = 10 * dot;
    for (int line = 0; line < lines; ++line) {
        const int top = area.top + 2 * dot + line * lineHeight;
        for (int left = area.left + 2 * dot; left + glyphWidth <= area.right - 2 * dot;
             left += glyphWidth) {
            // A glyph of 5 by 7 dots, or now and then a space.
            const std::uint32_t bits = noise.Next() % 8 == 0 ? 0 : noise.Next();
            const vc::Rgb ink = line == 0 ? vc::Rgb{250, 214, 90} : vc::Rgb{236, 238, 240};
            for (int gy = 0; gy < 7; ++gy) {
                for (int gx = 0; gx < 5; ++gx) {
                    if (((bits >> ((gy * 5 + gx) % 32)) & 1u) != 0) {
                        const vc::Rect square{left + gx * dot, top + gy * dot,
                                              left + (gx + 1) * dot, top + (gy + 1) * dot};
                        frame.Fill(vc::Intersect(square, area), ink);
                    }
                }
            }
        }
    }
}

// A game frame: sky and ground gradients split by rolling hills, grain and grass texture,
// and HUD panels of text. A flat picture would make the encoder's work trivially small.
vc::Bitmap GameFrame(Size size) {
    vc::Bitmap frame(size.width, size.height);
    Noise noise(0x5EED2026u);
    constexpr double kTurn = 6.283185307179586;
    for (int x = 0; x < size.width; ++x) {
        const double u = static_cast<double>(x) / size.width;
        const double horizon = size.height * (0.58 + 0.06 * std::sin(kTurn * 1.5 * u) +
                                              0.02 * std::sin(kTurn * 7.3 * u + 1.0) +
                                              0.004 * std::sin(kTurn * 61 * u));
        for (int y = 0; y < size.height; ++y) {
            if (y < horizon) {
                const double t = y / horizon;
                frame.At(x, y) = Grain(Mix(vc::Rgb{28, 62, 150}, vc::Rgb{176, 204, 232}, t * t),
                                       noise.Around(3));
            } else {
                const double t = (y - horizon) / (size.height - horizon);
                const vc::Rgb field = Mix(vc::Rgb{96, 138, 62}, vc::Rgb{52, 74, 30}, t);
                // Furrows that widen toward the viewer, under grass.
                const double furrow = 14 * std::sin(kTurn * (u - 0.5) * (4 + 40 * t) / (0.2 + t));
                frame.At(x, y) = Grain(field, static_cast<int>(furrow) + noise.Around(18));
            }
        }
    }
    const int w = size.width;
    const int h = size.height;
    DrawHud(frame, vc::Rect{w / 40, h / 30, w / 40 + w * 3 / 10, h / 30 + h / 8}, 3, noise);
    DrawHud(frame, vc::Rect{w * 3 / 4, h / 30, w - w / 40, h / 30 + h / 20}, 1, noise);
    DrawHud(frame, vc::Rect{0, h - h / 14, w, h}, 2, noise);
    return frame;
}

// Built once per size: the display's 32-bit capture, its rows readable in place.
const vc::SoftwareCapture& FrameOf(Size size) {
    static std::map<Size, std::unique_ptr<vc::SoftwareCapture>> frames;
    auto& frame = frames[size];
    if (!frame) {
        frame = std::make_unique<vc::SoftwareCapture>(GameFrame(size), 32);
    }
    return *frame;
}

// A folder of our own under the system's temporary one, removed with all it holds.
class TemporaryFolder {
  public:
    TemporaryFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vc_bench_XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create a folder in " + pattern);
        }
        path_ = pattern;
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

// The same settings as the program's encoder, from the same 32-bit rows into memory, and
// nothing else.
unsigned long EncodeBare(const vc::Capture& capture) {
    const vc::Rows32 rows = *capture.DirectRows();
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    vc::SetScreenshotParameters(info, capture.Width(), capture.Height(), vc::RowPixels::Bgrx32);
    jpeg_start_compress(&info, TRUE);
    for (int y = 0; y < capture.Height(); ++y) {
        JSAMPROW row = const_cast<JSAMPROW>(rows.Row(y));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::free(out);
    return size;
}

// The process's resident memory or its peak since the last reset, in bytes (Linux).
double StatusBytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0) {
            return std::stod(line.substr(field.size() + 1)) * 1024;
        }
    }
    return 0;
}

// Memory one screenshot needs beyond the picture itself: the peak resident size while it is
// made, less the resident size before.
double PeakExtraBytes(const std::function<void()>& work) {
    std::ofstream("/proc/self/clear_refs") << "5";  // the peak starts again from here
    const double before = StatusBytes("VmRSS");
    work();
    return StatusBytes("VmHWM") - before;
}

double Seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// Both sides in one loop, alternating which goes first, each timed on its own; the ratio of
// the quickest of each. Other work on the machine only ever adds time, so the quickest
// sample is the one it spoiled least, and alternating gives both the same moments. A
// screenshot is a new file each time, as the program names each one anew (the previous one
// is removed untimed).
void CaptureAgainstBare(benchmark::State& state, Size size) {
    const vc::Capture& capture = FrameOf(size);
    using Clock = std::chrono::steady_clock;
    try {
        TemporaryFolder folder;
        vc::PosixShell files(folder.Path() + "/vlttime", folder.Path());
        const std::string path = folder.Path() + "/shot.jpg";
        auto capture_once = [&] {
            std::filesystem::remove(path);
            const auto start = Clock::now();
            vc::SaveScreenshotJpeg(capture, path, files);
            return Clock::now() - start;
        };
        auto bare_once = [&] {
            const auto start = Clock::now();
            benchmark::DoNotOptimize(EncodeBare(capture));
            return Clock::now() - start;
        };
        state.counters["peak_extra_MB"] = PeakExtraBytes([&] { capture_once(); }) / 1e6;
        // Pages of both paths touched once before anything is timed.
        capture_once();
        bare_once();
        auto bestCapture = Clock::duration::max();
        auto bestBare = Clock::duration::max();
        bool captureFirst = true;
        for (auto _ : state) {
            if (captureFirst) {
                bestCapture = std::min(bestCapture, capture_once());
                bestBare = std::min(bestBare, bare_once());
            } else {
                bestBare = std::min(bestBare, bare_once());
                bestCapture = std::min(bestCapture, capture_once());
            }
            captureFirst = !captureFirst;
        }
        state.counters["capture_ms"] = Seconds(bestCapture) * 1e3;
        state.counters["bare_ms"] = Seconds(bestBare) * 1e3;
        state.counters["ratio"] = Seconds(bestCapture) / Seconds(bestBare);
        state.counters["jpeg_bytes"] = static_cast<double>(std::filesystem::file_size(path));
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

[[maybe_unused]] const bool registered = [] {
    for (const Size size : kSizes) {
        const std::string name = "CaptureAgainstBare/" + size.Name();
        // About two and five seconds.
        const int alternations = size.width > 2000 ? 40 : 80;
        benchmark::RegisterBenchmark(name.c_str(), CaptureAgainstBare, size)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(alternations);
        vc::bench::AddRatioBudget(
            {"capture_to_files/bare_encode " + size.Name(), name, "", kBudget});
    }
    return true;
}();

}  // namespace
