// The layout loader building the clock window from any text: it either loads, or throws
// ELayoutError naming a line of that text.
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
#include "framework/layout_loader.h"
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
    vc::SetClock clock;
    vc::PosixShell shell("/nonexistent/VeltriaClock.exe", std::nullopt);
    vc::TFormVT555 form(application, clock, shell);
    const vc::LayoutSources sources{vc::Utf8ToCp932, vc::ResourceBytes};
    try {
        vc::LoadLayout(form, text, vc::ClockWindowKinds(), sources);
    } catch (const vc::ELayoutError& error) {
        const std::string prefix = "layout line " + std::to_string(error.Line()) + ": ";
        if (error.Line() < 1 || error.Line() > LineCount(text)) {
            Violated("an error names line " + std::to_string(error.Line()) + " of " +
                     std::to_string(LineCount(text)) + ": " + error.what());
        }
        if (!std::string_view(error.what()).starts_with(prefix)) {
            Violated(std::string("an error does not start with its line: ") + error.what());
        }
        return 0;
    } catch (const std::exception& error) {
        Violated(std::string("not a layout error: ") + typeid(error).name() + ": " + error.what());
    } catch (...) {
        Violated("not a layout error: an exception of no standard kind");
    }
    // As the clock does next; a layout without the window's components is its own error.
    try {
        form.BindComponents();
    } catch (const std::logic_error&) {
    }
    return 0;
}
