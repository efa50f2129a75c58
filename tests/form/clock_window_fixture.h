#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/local_time_fixture.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/scripted_strip.h"

namespace vc::test {

// A press and a release of `button` at the same point of the window.
inline void Click(WindowClient& window, Point at, TMouseButton button = TMouseButton::mbLeft) {
    window.MouseDown(button, at);
    window.MouseUp(button, at);
}

// The control that takes the tray icon's notices: the last one the form made.
inline TMyCallback& TrayReceiver(TForm& form) {
    TMyCallback* last = nullptr;
    for (TControl* control : form.Controls()) {
        if (auto* receiver = dynamic_cast<TMyCallback*>(control)) {
            last = receiver;
        }
    }
    return *last;
}

// The clock window on the scripted desktop, started at a local time.
class ClockWindow : public testing::Test {
  protected:
    explicit ClockWindow(SystemTime start = Local(3, 1, 0, 0, 0, 0, 0)) : strip(start) {}

    TFormVT555& Form() { return strip.Form(); }
    void TickGameClock() { strip.System().FireTimers(1); }
    void TickRealClock() { strip.System().FireTimers(100); }

    ScriptedStrip strip;
};

// A program folder of its own, with the settings file beside the program.
class ClockWindowInFolder : public testing::Test {
  protected:
    ClockWindowInFolder() : folder(scratch.path) {
        std::filesystem::create_directories(folder / "Docs");
        program = (folder / "VeltriaClock.exe").string();
        settings = (folder / "VeltriaClock.ini").string();
        documents = (folder / "Docs").string();
    }

    void WriteSettings(const std::string& text) {
        std::ofstream(settings, std::ios::binary) << text;
    }
    std::string ReadSettings() const {
        std::ifstream in(settings, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::unique_ptr<ScriptedStrip> Start(SystemTime at = Local(3, 1, 0, 0, 0),
                                         std::vector<Rect> monitors = kOneMonitor) {
        return std::make_unique<ScriptedStrip>(at, program, documents, std::move(monitors));
    }
    // What the exit command does first; errors reach the error box.
    static void Save(ScriptedStrip& strip) {
        strip.Application().Dispatch([&] { strip.Form().SaveSettings(); });
    }

    ScratchFolder scratch;
    std::filesystem::path folder;
    std::string program;
    std::string settings;
    std::string documents;
};

}  // namespace vc::test
