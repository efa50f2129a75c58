#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/component.h"
#include "framework/controls.h"
#include "framework/seam/native_window.h"
#include "framework/seam/notification_area.h"
#include "framework/seam/window_system.h"
#include "tray/shift_state.h"

namespace vc {

class TPopupMenu;
class TTaskTrayMini;
class TMyCallback;

// The tip field holds 64 bytes with its terminating zero.
inline constexpr std::size_t kTrayTipBytes = 63;

// What the tray components of one process share: the one receiver of the shell's
// notifications and every identifier given out so far. Components made from a layout use
// ProcessTrayModule(); tests give theirs a module of their own.
class TrayModule {
  public:
    TrayModule() = default;
    TrayModule(const TrayModule&) = delete;
    TrayModule& operator=(const TrayModule&) = delete;

    // Empty until the first component is made.
    TMyCallback* SharedCallback() const { return sharedCallback_; }
    // The live component whose identifier, written in decimal, is `id`.
    TTaskTrayMini* Find(std::uint32_t id) const;
    // The shell forgot every icon (the taskbar was made anew): adds the shown ones again.
    void ReAddShownIcons() const;

  private:
    friend class TTaskTrayMini;
    friend class TMyCallback;

    struct Entry {
        // Kept as the decimal text of the identifier, as the registry has always kept its
        // entries, so that identifiers are handed out and matched as before: the next one is
        // the number the last entry's text reads as, plus one, and a notification's
        // identifier is written in decimal and looked up as that text.
        std::string id;
        TTaskTrayMini* component;  // empty once destroyed; the identifier stays taken
    };

    std::int32_t Register(TTaskTrayMini& component);
    void Forget(const TTaskTrayMini& component);
    void Forget(const TMyCallback& callback);

    std::vector<Entry> entries_;
    TMyCallback* sharedCallback_ = nullptr;
};

TrayModule& ProcessTrayModule();

// A notification-area icon whose mouse actions on it become events, or a popup menu on a
// right-button release. The owner must be a windowed control.
class TTaskTrayMini : public TComponent {
  public:
    explicit TTaskTrayMini(TComponent* owner);
    TTaskTrayMini(TComponent* owner, TrayModule& module);
    ~TTaskTrayMini() override;
    const char* ClassName() const override { return "TTaskTrayMini"; }

    TMouseEvent OnMouseUp;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMMouseUp;
    TMouseEvent OnMMouseDown;
    // The user clicked the balloon that ShowBalloon put over the icon.
    TNotifyEvent OnBalloonClick;
    // Not owned. The framework has no destruction notice: the menu must outlive this
    // component (in the clock window both belong to the form).
    TPopupMenu* PopupMenuR = nullptr;
    bool EnableMouseUp = true;
    bool EnableMouseDown = true;
    bool EnableMMouseUp = true;
    bool EnableMMouseDown = true;

    // Refills the icon's record, then asks the shell for `action`; no action refills only.
    // `tip` is CP932; its first kTrayTipBytes bytes are kept.
    void SetIcon(std::optional<TrayAction> action, std::uintptr_t icon, std::string_view tip);
    // A balloon over the shown icon, in place of one it shows; nothing while the icon is not
    // shown. CP932 title and text, each cut to whole characters within the shell's field.
    void ShowBalloon(std::string_view title, std::string_view text,
                     BalloonTiming timing = BalloonTiming::Queued);
    // Adds the icon again with its last record if it is shown (added and not deleted).
    void TaskbarCreated();

    // While the shell refuses the icon, it is asked again this often.
    static constexpr int kAddRetryMs = 2000;

    bool SetProperty(std::string_view name, const LayoutValue& value,
                     LayoutContext& context) override;

  private:
    friend class TMyCallback;

    // Brings the owner forward, runs what the mouse action asks for, then lets waiting
    // messages through; does nothing at all when the action asks for nothing.
    void Respond(const TrayMouse& action, Point at);
    TWinControl& OwnerControl() const;
    // Asks the shell to add the icon; while it refuses (not running yet at logon, or busy),
    // asks again every kAddRetryMs for as long as the icon is wanted.
    bool AddToShell();

    TrayModule& module_;
    std::int32_t FIconId = 0;
    TrayIcon FIconData;
    bool shown_ = false;  // wanted in the notification area: added and not deleted
    std::unique_ptr<TimerHandle> addRetry_;
};

// The hidden receiver of the shell's notifications for every tray component of its module:
// a zero-size window that draws nothing. The name is the stored layout's (it lists nine
// nameless ones); "callback" is the window the shell calls back.
class TMyCallback : public TWinControl {
  public:
    explicit TMyCallback(TComponent* owner);
    TMyCallback(TComponent* owner, TrayModule& module);
    ~TMyCallback() override;
    const char* ClassName() const override { return "TMyCallback"; }

    // The native window, made now when the parent's window exists but this one does not
    // yet; empty while the parent has none.
    NativeWindow* WindowNeeded();

    void TrayMouseAction(const TrayMouse& action) override;

  protected:
    void PaintWindowBackground(Canvas&, const Rect&) override {}

  private:
    TrayModule& module_;
};

}  // namespace vc
