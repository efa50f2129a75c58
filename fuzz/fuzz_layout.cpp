// The clock window built from any layout text: it is built, or the loader throws ELayoutError
// naming a line of that text, or the window says which of its components is missing.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>
#include <typeinfo>

#include "framework/application.h"
#include "framework/errors.h"
#include "framework/resources.h"
#include "framework/seam/local_clock.h"
#include "platform/posix/cp932.h"
#include "platform/posix/posix_shell.h"
#include "platform/raster/empty_desktop.h"
#include "platform/raster/headless_window_system.h"
#include "window/form_vt555.h"

namespace {

[[noreturn]] void Violated(const std::string& what) {
    std::fprintf(stderr, "fuzz_layout: %s\n", what.c_str());
    std::abort();
}

// The loader's line count: lines end at "\n", and a last line without one counts.
int LineCount(std::string_view text) {
    const auto breaks = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    return std::max(1, breaks + (!text.empty() && text.back() != '\n' ? 1 : 0));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    vc::EmptyDesktop desktop;
    vc::NoNotificationArea tray;
    vc::HeadlessWindowSystem system(vc::BitmapFont::Shared(), desktop, tray);
    vc::TApplication application(system, "VeltriaClock");
    const vc::SetClock clock(vc::SystemTime{2026, 3, 0, 1, 0, 0, 0, 0});
    vc::PosixShell shell("/nonexistent/VeltriaClock.exe", std::nullopt);
    const vc::LayoutSources sources{vc::Utf8ToCp932, vc::ResourceBytes};
    try {
        // Built as the clock builds it, then destroyed, which runs the layout's OnDestroy.
        vc::CreateFormVT555(application, clock, shell, text, sources);
    } catch (const vc::ELayoutError& error) {
        const std::string prefix = "layout line " + std::to_string(error.Line()) + ": ";
        if (error.Line() < 1 || error.Line() > LineCount(text)) {
            Violated("an error names line " + std::to_string(error.Line()) + " of " +
                     std::to_string(LineCount(text)) + ": " + error.what());
        }
        if (!std::string_view(error.what()).starts_with(prefix)) {
            Violated(std::string("an error does not start with its line: ") + error.what());
        }
    } catch (const std::logic_error& error) {
        // The window's own complaint about a layout that loaded without its components.
        if (!std::string_view(error.what()).starts_with("layout has no component ")) {
            Violated(std::string("not a layout error: ") + error.what());
        }
    } catch (const std::exception& error) {
        Violated(std::string("not a layout error: ") + typeid(error).name() + ": " + error.what());
    } catch (...) {
        Violated("not a layout error: an exception of no standard kind");
    }
    return 0;
}
