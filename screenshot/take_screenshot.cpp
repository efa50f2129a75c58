#include "screenshot/take_screenshot.h"

#include <cmath>
#include <vector>

#include "screenshot/bmp_file.h"
#include "screenshot/jpeg_file.h"
#include "screenshot/screenshot_name.h"

namespace vc {
namespace {

// The clock is aware of each monitor's DPI and the game may be aware of none, or of another
// kind: measuring and copying happen in the game window's own context, so that the size
// measured is the one the copy takes; the thread's context comes back after.
class GameDpiContext {
  public:
    GameDpiContext(Desktop& desktop, WindowId game) : desktop_(desktop) {
        const DpiContext own = desktop.WindowDpiContext(game);
        if (own != 0) {
            previous_ = desktop.SetThreadDpiContext(own);
        }
    }
    ~GameDpiContext() {
        if (previous_ != 0) {
            desktop_.SetThreadDpiContext(previous_);
        }
    }
    // Measured in the game's own context, in its physical pixels.
    bool Switched() const { return previous_ != 0; }
    GameDpiContext(const GameDpiContext&) = delete;
    GameDpiContext& operator=(const GameDpiContext&) = delete;

  private:
    Desktop& desktop_;
    DpiContext previous_ = 0;
};

Size Scaled(Size size, double scale) {
    return Size{static_cast<int>(std::lround(size.width * scale)),
                static_cast<int>(std::lround(size.height * scale))};
}

// Looks no further than the first pixel that is not black, so an ordinary picture costs
// one row.
bool AllBlack(const Capture& capture) {
    constexpr int kBitsPerPixel = 32;
    std::vector<std::uint8_t> row(static_cast<std::size_t>(capture.Width()) * 4);
    for (int y = 0; y < capture.Height(); ++y) {
        capture.CopyRows(kBitsPerPixel, y, 1, row.data());
        for (std::size_t pixel = 0; pixel < row.size(); pixel += 4) {
            if (row[pixel] != 0 || row[pixel + 1] != 0 || row[pixel + 2] != 0) {
                return false;
            }
        }
    }
    return true;
}

// A game that presents through DirectX (flip model, fullscreen optimisations) leaves the
// ordinary copy black: then the picture it prints of itself is taken instead. A game
// screen that is truly black stays black either way.
std::unique_ptr<Capture> CopyGameClient(Desktop& desktop, WindowId game, Size size) {
    auto capture = desktop.CaptureClient(game, size);
    if (capture == nullptr) {
        return nullptr;
    }
    if (capture->HasPixels() && desktop.WindowVisible(game) && AllBlack(*capture)) {
        if (auto printed = desktop.PrintClient(game, size)) {
            return printed;
        }
    }
    return capture;
}

}  // namespace

std::optional<SavedScreenshot> TakeScreenshot(Desktop& desktop, Shell& files,
                                              const LocalClock& clock, WindowId game,
                                              const ScreenshotTarget& target) {
    std::unique_ptr<Capture> capture;
    {
        const GameDpiContext dpi(desktop, game);
        const auto measured = desktop.ClientSize(game);
        if (!measured) {
            return std::nullopt;
        }
        // Without DPI contexts (Windows 8.1, Windows 10 before 1607) a DPI-aware game is
        // measured in the clock's scaled units: its frame from the compositor tells by how much.
        const Size size =
            dpi.Switched() ? *measured : Scaled(*measured, desktop.PhysicalScaleOf(game));
        capture = CopyGameClient(desktop, game, size);
        if (capture == nullptr) {
            return std::nullopt;
        }
    }
    const SavedScreenshot saved{target.folder, ScreenshotName(clock.Now()), target.saveBmp};
    if (saved.bmp) {
        SaveScreenshotBmp(*capture, saved.PathOf(saved.BmpName()), files);
    }
    SaveScreenshotJpeg(*capture, saved.PathOf(saved.JpegName()), files);
    return saved;
}

}  // namespace vc
