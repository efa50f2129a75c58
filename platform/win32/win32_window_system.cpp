#include "platform/win32/win32_window_system.h"

#include "platform/win32/application_icon.h"
#include "platform/win32/error_policy.h"
#include "platform/win32/scoped_handle.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_window.h"

namespace vc {
namespace {

constexpr wchar_t kApplicationClass[] = L"TApplication";

LRESULT CALLBACK ApplicationProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) {
        auto* system =
            reinterpret_cast<Win32WindowSystem*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        // Ticks run through the framework's dispatch; as in every window procedure, what
        // still gets here is dropped (error_policy.h).
        try {
            if (system != nullptr) {
                system->FireTimer(wParam);
            }
        } catch (...) {
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

class Win32Timer final : public TimerHandle {
  public:
    Win32Timer(Win32WindowSystem& system, UINT_PTR id) : system_(system), id_(id) {}
    ~Win32Timer() override { system_.ForgetTimer(id_); }

  private:
    Win32WindowSystem& system_;
    UINT_PTR id_;
};

}  // namespace

Win32WindowSystem::Win32WindowSystem(HINSTANCE instance) : instance_(instance) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ApplicationProcedure;
    wc.hInstance = instance;
    wc.hIcon = LoadApplicationIcon(instance);
    wc.lpszClassName = kApplicationClass;
    if (RegisterClassW(&wc) == 0) {
        ThrowOutOfResources("RegisterClassW");
    }
    application_ = CreateWindowExW(0, kApplicationClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                   nullptr, instance, nullptr);
    if (application_ == nullptr) {
        ThrowOutOfResources("CreateWindowExW");
    }
    SetWindowLongPtrW(application_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    // Exactly this style: no taskbar button for the program.
    SetWindowLongA(application_, GWL_EXSTYLE, WS_EX_TOOLWINDOW);
}

Win32WindowSystem::~Win32WindowSystem() {
    DestroyWindow(application_);
}

int Win32WindowSystem::RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

std::unique_ptr<NativeWindow> Win32WindowSystem::CreateTopLevel(WindowClient& client,
                                                                const TopLevelStyle& style,
                                                                const Rect& bounds) {
    return Win32Window::CreateTopLevel(instance_, application_, fonts_, *this, client, style,
                                       bounds);
}

std::unique_ptr<NativeWindow> Win32WindowSystem::CreateChild(WindowClient& client,
                                                             const std::string& className,
                                                             NativeWindow& parent,
                                                             const Rect& bounds) {
    return Win32Window::CreateChild(instance_, static_cast<Win32Window&>(parent).Handle(), fonts_,
                                    *this, client, className, bounds);
}

std::unique_ptr<TimerHandle> Win32WindowSystem::StartTimer(int intervalMs,
                                                           std::function<void()> tick) {
    const UINT_PTR id = nextTimer_++;
    timers_[id] = std::move(tick);
    SetTimer(application_, id, static_cast<UINT>(intervalMs), nullptr);
    return std::make_unique<Win32Timer>(*this, id);
}

void Win32WindowSystem::FireTimer(UINT_PTR id) {
    const auto found = timers_.find(id);
    if (found != timers_.end()) {
        // A copy: the tick may stop its own timer.
        const std::function<void()> tick = found->second;
        tick();
    }
}

void Win32WindowSystem::ForgetTimer(UINT_PTR id) {
    KillTimer(application_, id);
    timers_.erase(id);
}

// In units, as the window's clamp counts.
Rect Win32WindowSystem::MonitorRectNear(const Rect& area) const {
    return UnitsOf(MonitorOfUnits(*ScreenMonitors(), area));
}

bool Win32WindowSystem::DoubleByteCodePage() const {
    CPINFO info{};
    return GetCPInfo(CP_ACP, &info) && info.MaxCharSize > 1;
}

Rgb Win32WindowSystem::ResolveColor(TColor colour) const {
    const COLORREF c = IsSystemColor(colour) ? GetSysColor(SystemColorIndex(colour))
                                             : static_cast<COLORREF>(colour & 0xFFFFFF);
    return Rgb{GetRValue(c), GetGValue(c), GetBValue(c)};
}

int Win32WindowSystem::TrackPopupMenu(const std::vector<MenuEntry>& entries, Point at) {
    const Rect place = UnitsToPixels(*ScreenMonitors(), RectAt(at.x, at.y, 1, 1)).pixels;
    const Point pixel{place.left, place.top};
    const ScopedMenu menu(CreatePopupMenu());
    if (!menu) {
        ThrowOutOfResources();
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const MenuEntry& entry = entries[i];
        UINT flags = entry.separator ? MF_SEPARATOR : MF_STRING;
        flags |= entry.checked ? MF_CHECKED : 0;
        flags |= entry.enabled ? 0 : MF_GRAYED;
        AppendMenuW(menu.get(), flags, i + 1, Cp932ToWide(entry.caption).c_str());
    }
    // The menu closes properly only when its owner is in front (and gets a message after).
    SetForegroundWindow(application_);
    const int chosen = static_cast<int>(
        ::TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                         pixel.x, pixel.y, 0, application_, nullptr));
    PostMessageW(application_, WM_NULL, 0, 0);
    return chosen - 1;
}

void Win32WindowSystem::ProcessMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

std::uintptr_t Win32WindowSystem::ApplicationIcon() const {
    return reinterpret_cast<std::uintptr_t>(LoadApplicationIcon(instance_));
}

void Win32WindowSystem::ShowErrorBox(const PiecedText& message, std::string_view ansiTitle) {
    std::wstring text;
    for (const TextPiece& piece : message) {
        text += piece.codePage == CodePage::SystemAnsi ? AnsiToWide(piece.bytes)
                                                       : Cp932ToWide(piece.bytes);
    }
    // The game is in front when a capture fails: the box comes above every window, and
    // forward where the system lets it.
    MessageBoxW(nullptr, text.c_str(), AnsiToWide(ansiTitle).c_str(),
                MB_ICONERROR | MB_OK | MB_TOPMOST | MB_SETFOREGROUND);
}

}  // namespace vc
