#pragma once
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/raster/headless_window_system.h"
#include "tests/support/scripted_desktop.h"

namespace vc {

// The parts a scripted window system hands to its base before that is built.
struct ScriptedParts {
    ScriptedDesktop scripted;
    RecordingNotificationArea tray;
};

// The headless window system with a scripted desktop, which remembers the menus, dialogs and
// error boxes it was asked to show and answers as a test says.
class ScriptedWindowSystem : public ScriptedParts, public HeadlessWindowSystem {
  public:
    explicit ScriptedWindowSystem(const BitmapFont& font = BitmapFont::Shared())
        : HeadlessWindowSystem(font, scripted, tray) {}

    int TrackPopupMenu(const std::vector<MenuEntry>& entries, Point at) override {
        menus.push_back({entries, at});
        return std::exchange(nextMenuChoice, -1);
    }
    void ShowErrorBox(const PiecedText& message, std::string_view ansiTitle) override {
        errorBoxes.push_back(std::string(ansiTitle) + ": " + Joined(message));
        // What happens while the box is open: its loop runs the timers on.
        if (whileErrorBoxOpen) {
            std::exchange(whileErrorBoxOpen, nullptr)();
        }
    }
    std::optional<TColor> PickColor(TColor initial, std::array<TColor, 16>&,
                                    const NativeWindow& anchor) override {
        colourDialogs.push_back(initial);
        colourDialogsNear.push_back(&anchor);
        return std::exchange(nextColourChoice, std::nullopt);
    }
    void Terminate() override { terminated = true; }
    std::function<void()> whileErrorBoxOpen;
    void ProcessMessages() override { ++messagePasses; }

    struct MenuShown {
        std::vector<MenuEntry> entries;
        Point at;
    };
    std::vector<MenuShown> menus;
    int nextMenuChoice = -1;
    std::vector<std::string> errorBoxes;  // "title: message"
    // The colour dialog: each opening's preset and the window it opened near, and what the
    // next one answers.
    std::vector<TColor> colourDialogs;
    std::vector<const NativeWindow*> colourDialogsNear;
    std::optional<TColor> nextColourChoice;
    bool terminated = false;
    int messagePasses = 0;
};

}  // namespace vc
