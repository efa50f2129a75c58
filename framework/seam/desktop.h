#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "framework/capture.h"
#include "framework/geometry.h"

namespace vc {

class NativeWindow;

// Another program's top-level window; 0 is none.
using WindowId = std::uintptr_t;

// A thread's or a window's DPI awareness as the system names it; 0 where the system has no
// such notion (before Windows 10 version 1607).
using DpiContext = std::uintptr_t;

enum class StartResult { Started, NeedsElevation, Failed };

// The keys the clock looks at.
enum class Key { LeftButton, Shift, Control, Alt, P };

// A key's state as the system keeps it: whether it is down, and a toggle that flips at each
// press. It follows keys pressed in other programs.
struct KeyState {
    bool down = false;
    bool toggled = false;
    bool operator==(const KeyState&) const = default;
};

// The rest of the desktop that the clock looks at and acts on.
class Desktop {
  public:
    virtual ~Desktop() = default;
    virtual Point CursorPos() const = 0;
    virtual KeyState StateOf(Key key) const = 0;
    bool KeyDown(Key key) const { return StateOf(key).down; }
    // A top-level window of this class (any title), or 0.
    virtual WindowId FindTopLevel(std::string_view className) const = 0;
    bool WindowOfClassExists(std::string_view className) const {
        return FindTopLevel(className) != 0;
    }
    // The window the user works in (may be one of another program).
    virtual WindowId ForegroundWindow() const = 0;
    // The size of the window's client area; nothing when the window has gone.
    virtual std::optional<Size> ClientSize(WindowId window) const = 0;
    // A copy of `size` pixels from the client area's origin, display-compatible; where the
    // window shows nothing the copy is white; nothing when the window has gone since it was
    // measured. EOutOfResources when it cannot be made.
    virtual std::unique_ptr<Capture> CaptureClient(WindowId window, Size size) = 0;
    // The same picture as the window draws it when asked to print itself, DirectX content
    // included; nothing when the window does not answer. EOutOfResources as above.
    virtual std::unique_ptr<Capture> PrintClient(WindowId window, Size size) = 0;
    // Shown and not minimised.
    virtual bool WindowVisible(WindowId window) const = 0;
    // The DPI awareness the window was made with; 0 when the system cannot say.
    virtual DpiContext WindowDpiContext(WindowId window) const = 0;
    // Gives the calling thread `context` and returns the one it had; 0 (and nothing
    // changed) when the system cannot.
    virtual DpiContext SetThreadDpiContext(DpiContext context) = 0;
    // Physical pixels per pixel this program measures the window in, from the frame the
    // system composes (always physical); 1 when the system cannot say. For systems without
    // DPI contexts, where a DPI-aware window is measured in this program's scaled units.
    virtual double PhysicalScaleOf(WindowId window) const = 0;
    // Starts a program and leaves it alone.
    virtual StartResult StartProcess(const std::string& application, const std::string& folder) = 0;
    // Starts it through the shell, which asks the user for administrator rights when the
    // program requires them; a failure (or the user saying no) is silent.
    virtual void StartElevated(const std::string& application, const std::string& folder) = 0;
    virtual void BringToFront(NativeWindow& window) = 0;
    // Opens the folder that holds `file` in the system's file browser with the file
    // selected; a failure is silent.
    virtual void ShowInFolder(const std::string& file) = 0;
};

}  // namespace vc
