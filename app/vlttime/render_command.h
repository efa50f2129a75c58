#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/vlttime/environment.h"
#include "app/vlttime/run.h"
#include "framework/system_time.h"
#include "window/form_vt555.h"

namespace vc::vlttime {

inline constexpr std::string_view kRenderCommand = "render";
inline constexpr int kExitFailure = 1;

// Empty optionals were not given, so that a settings file can fill them in later.
struct RenderOptions {
    bool help = false;
    std::optional<std::string> out;
    std::optional<SystemTime> at;
    std::optional<int> width;
    std::optional<bool> hour24;
    std::optional<ButtonLook> look;
    std::optional<int> dpi;
    std::optional<std::string> settings;

    friend bool operator==(const RenderOptions&, const RenderOptions&) = default;
};

struct RenderParse {
    RenderOptions options;
    std::string error;  // one line naming the argument and what is expected; empty if none
};

// `args` follows the word "render". -h/--help stops reading further arguments.
RenderParse ParseRenderOptions(std::span<const std::string_view> args);

// `vlttime render ...`: `args` follows the word "render"; returns the exit status.
int RunRender(std::span<const std::string_view> args, const Environment& env);

// The full `vlttime render --help` text, ending with a newline.
std::string_view RenderUsageText();

}  // namespace vc::vlttime
