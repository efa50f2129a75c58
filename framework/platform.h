#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/canvas.h"
#include "framework/capture.h"
#include "framework/color.h"
#include "framework/errors.h"
#include "framework/geometry.h"
#include "framework/mouse.h"
#include "framework/system_time.h"

namespace vc {

// The seam: everything the behaviour needs from the operating system is reached through
// interfaces like these, so that it can run against a scripted desktop in tests.

class LocalClock {
  public:
    virtual ~LocalClock() = default;
    virtual SystemTime Now() const = 0;
};

enum class PathKind { None, File, Folder };

class NativeWindow;

class Profile;

// A file open for writing; closed when destroyed.
class OutputFile {
  public:
    virtual ~OutputFile() = default;
    // The number of bytes stored, which may be fewer than asked (a full disk).
    virtual std::size_t Write(const void* data, std::size_t size) = 0;
};

// The program's place in the file system and the user's folders.
class Shell {
  public:
    virtual ~Shell() = default;
    // The user's documents folder, when the system can say.
    virtual std::optional<std::string> DocumentsFolder() const = 0;
    // The full path of the running program file.
    virtual std::string ProgramPath() const = 0;
    virtual PathKind KindOf(const std::string& path) const = 0;
    // The private-profile (INI) file at `path`.
    virtual std::unique_ptr<Profile> OpenProfile(const std::string& path) = 0;
    // Creates the file at `path`, replacing one that exists, and keeps anybody else from
    // opening it while it is open; nothing when it cannot be created.
    virtual std::unique_ptr<OutputFile> CreateOutputFile(const std::string& path) = 0;
};

// What a native window reports to the control that owns it.
class WindowClient {
  public:
    virtual ~WindowClient() = default;
    // Draw `area` (client coordinates) of the window.
    virtual void PaintWindow(Canvas& canvas, const Rect& area) = 0;
    // A mouse button pressed or released over the client area (client coordinates). A
    // window keeps the mouse from a press to its release, so the release comes here too.
    virtual void MouseDown(TMouseButton button, Point at) = 0;
    virtual void MouseUp(TMouseButton button, Point at) = 0;
    // The mouse was taken away between a press and its release.
    virtual void MouseCancelled() = 0;
    // A top-level window is about to move to `proposed` (screen coordinates); the client
    // may change where it goes.
    virtual void PositionChanging(Point& proposed) { (void)proposed; }
    // Where the system has placed the window, whoever moved it (the program, the user's
    // drag, a display change): top-level windows in screen coordinates, child windows in
    // their parent's client coordinates.
    virtual void BoundsChanged(const Rect& bounds) = 0;
    // Where a point of the window counts as its caption, pressing there drags the window.
    virtual bool DragsByAnyPoint() const { return false; }
    // A message of the program's own (see kTrayNotify, kTaskbarCreated); true if handled.
    virtual bool HandleMessage(std::uint32_t message, std::uint64_t wParam, std::int64_t lParam) {
        (void)message, (void)wParam, (void)lParam;
        return false;
    }
};

// The shell reports mouse actions on a notification-area icon with this message:
// wParam the icon's identifier, lParam the mouse message.
inline constexpr std::uint32_t kTrayNotify = 0x400 + 101;
// The taskbar was made anew (the shell restarted): icons must be added again. Top-level
// windows get it.
inline constexpr std::uint32_t kTaskbarCreated = 0xFFFF0001;

// The first version of the notification-icon record, as the shell takes it.
struct NotifyIconData {
    std::uint32_t cbSize = 0;
    NativeWindow* window = nullptr;  // the receiver of kTrayNotify
    std::uint32_t id = 0;
    std::uint32_t flags = 0;  // NIF_MESSAGE | NIF_ICON | NIF_TIP = 7
    std::uint32_t callbackMessage = 0;
    std::uintptr_t icon = 0;
    std::string tip;  // at most 63 bytes
};

class NotificationArea {
  public:
    virtual ~NotificationArea() = default;
    // action: 0 add, 1 modify, 2 delete. The result is not examined by anyone.
    virtual void NotifyIcon(std::uint32_t action, const NotifyIconData& data) = 0;
};

// Another program's top-level window; 0 is none.
using WindowId = std::uintptr_t;

// The window class of the game client's top-level window.
inline constexpr const char* kGameWindowClass = "VLT-CL";

// A thread's or a window's DPI awareness as the system names it; 0 where the system has no
// such notion (before Windows 10 version 1607).
using DpiContext = std::uintptr_t;

enum class StartResult { Started, NeedsElevation, Failed };

// The rest of the desktop that the clock looks at and acts on.
class Desktop {
  public:
    virtual ~Desktop() = default;
    virtual Point CursorPos() const = 0;
    // The key's whole state word as GetKeyState gives it: negative while the key is down,
    // the lowest bit flipping at each press. It follows keys pressed in other programs.
    virtual std::int16_t KeyState(int virtualKey) const = 0;
    bool KeyDown(int virtualKey) const { return KeyState(virtualKey) < 0; }
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
    // window shows nothing the copy is white. EOutOfResources when it cannot be made.
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
    // Starts a program and leaves it alone.
    virtual StartResult StartProcess(const std::string& application, const std::string& folder) = 0;
    // Starts it through the shell, which asks the user for administrator rights when the
    // program requires them; a failure (or the user saying no) is silent.
    virtual void StartElevated(const std::string& application, const std::string& folder) = 0;
    virtual void BringToFront(NativeWindow& window) = 0;
};

inline constexpr int VK_LBUTTON_KEY = 0x01;
inline constexpr int VK_CONTROL_KEY = 0x11;
inline constexpr int VK_P_KEY = 0x50;

// One native window made for a windowed control.
class NativeWindow {
  public:
    virtual ~NativeWindow() = default;
    // Asks the system to place the window. Top-level windows: screen coordinates (the
    // system may put them elsewhere); child windows: the parent's client coordinates.
    // Borderless, so the outer rectangle is the client area. Where the window ends up
    // reaches the client through BoundsChanged.
    virtual void Place(Point topLeft, Size size) = 0;
    virtual Rect Bounds() const = 0;
    virtual void SetCaption(std::string_view cp932) = 0;
    virtual void Invalidate(const Rect& area) = 0;
    // On: every repaint is composed off-screen and reaches the screen in one copy.
    virtual void SetDoubleBuffered(bool on) = 0;
    virtual void Show() = 0;
};

struct TopLevelStyle {
    std::string className;
    bool stayOnTop = false;
};

struct MenuEntry {
    std::string caption;  // CP932, with its "&" marker
    bool separator = false;
    bool checked = false;
    bool enabled = true;
};

class TimerHandle {
  public:
    virtual ~TimerHandle() = default;
};

class WindowSystem {
  public:
    virtual ~WindowSystem() = default;
    virtual std::unique_ptr<NativeWindow> CreateTopLevel(WindowClient& client,
                                                         const TopLevelStyle& style,
                                                         const Rect& bounds) = 0;
    virtual std::unique_ptr<NativeWindow> CreateChild(WindowClient& client,
                                                      const std::string& className,
                                                      NativeWindow& parent, const Rect& bounds) = 0;
    // Calls `tick` every `intervalMs` until the handle is destroyed.
    virtual std::unique_ptr<TimerHandle> StartTimer(int intervalMs, std::function<void()> tick) = 0;
    virtual const TextMetrics& Metrics() const = 0;
    // The rectangle of the monitor nearest to `area` (on one monitor, the desktop).
    virtual Rect MonitorRectNear(const Rect& area) const = 0;
    // The colour as the screen shows it; resolves system colours.
    virtual Rgb ResolveColor(TColor colour) const = 0;
    // Shows a popup menu with its top-left corner at `at` (screen coordinates) and returns
    // the index of the chosen entry, or -1.
    virtual int TrackPopupMenu(const std::vector<MenuEntry>& entries, Point at) = 0;
    // Each piece is shown as its code page says; the title is the program file's name
    // (ANSI).
    virtual void ShowErrorBox(const PiecedText& message, std::string_view ansiTitle) = 0;
    // The colour dialog, preset to `initial`; the chosen colour, or nothing when cancelled.
    // `custom` holds the dialog's 16 custom colours and keeps what the user makes of them.
    // It opens on the monitor of the program's active window, else of `anchor`.
    virtual std::optional<TColor> PickColor(TColor initial, std::array<TColor, 16>& custom,
                                            const NativeWindow& anchor) = 0;
    // Ends the message loop once the current handler returns.
    virtual void Terminate() = 0;
    // Handles the messages already waiting, without waiting for more.
    virtual void ProcessMessages() = 0;
    // The application's icon (MAINICON), as the shell takes it.
    virtual std::uintptr_t ApplicationIcon() const = 0;
    virtual Desktop& TheDesktop() = 0;
    virtual NotificationArea& Notifications() = 0;
};

}  // namespace vc
