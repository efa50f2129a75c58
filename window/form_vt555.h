#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "clock/alert_blink.h"
#include "clock/game_alerts.h"
#include "clock/game_time.h"
#include "framework/application.h"
#include "framework/color_dialog.h"
#include "framework/form.h"
#include "framework/image.h"
#include "framework/label.h"
#include "framework/layout_loader.h"
#include "framework/menu.h"
#include "framework/panel.h"
#include "framework/seam/desktop.h"
#include "framework/seam/local_clock.h"
#include "framework/seam/shell.h"
#include "framework/timer.h"
#include "screenshot/screenshot_hotkey.h"
#include "screenshot/take_screenshot.h"
#include "settings/settings.h"
#include "tray/task_tray_mini.h"
#include "window/second_watch.h"

namespace vc {

enum class ButtonLook : std::uint8_t { Normal = 0, Over = 1, Down = 2 };

// The clock window: a strip built from its stored layout. Its settings are read into
// and saved from the places they drive.
class TFormVT555 : public TForm, public SettingsPlaces {
  public:
    TFormVT555(TApplication& application, const LocalClock& clock, Shell& shell);
    ~TFormVT555() override { Destroy(); }
    const char* ClassName() const override { return "TFormVT555"; }

    // The layout's components, bound by name once it is loaded. The names are the stored
    // layout's; where a name hides its role, the comment says it.
    TImage* Image_BG = nullptr;
    TLabel* Label_VTime = nullptr;
    TLabel* Label_RTime = nullptr;
    // The corner button's three looks; ImageX shows one of them.
    TImage* Image_BtnNormal = nullptr;
    TImage* Image_BtnOver = nullptr;
    TImage* Image_BtnDown = nullptr;
    // The corner button: a window of its own, so that a click on it is not a drag.
    TPanel* PanelX = nullptr;
    // The corner button's face, inside PanelX; a click opens the menu.
    TImage* ImageX = nullptr;
    // The game clock's tick (button look, game line, band, alerts).
    TTimer* TimerVT = nullptr;
    // The real clock's tick (real-time line).
    TTimer* TimerRT = nullptr;
    // The Ctrl+P poll.
    TTimer* Timer1 = nullptr;
    TPopupMenu* PopupMenuC = nullptr;
    TMenuItem* Popup_execute = nullptr;
    TMenuItem* Popup_24Hour = nullptr;
    TMenuItem* Popup_ShowRTime = nullptr;
    TMenuItem* Popup_BGColor = nullptr;
    TMenuItem* Popup_VColor = nullptr;
    TMenuItem* Popup_RColor = nullptr;
    TMenuItem* Popup_SS = nullptr;
    TMenuItem* Popup_Exit = nullptr;
    TColorDialog* ColorDialogX = nullptr;
    TTaskTrayMini* TaskTrayMiniX = nullptr;

    // The layout names the window binds: every component member above, and every handler
    // an event of the layout may name.
    static std::vector<std::string_view> BoundComponentNames();
    static std::vector<std::string_view> BoundHandlerNames();

    void LoadSettings();
    void SaveSettings();
    // Every value the settings file holds is read and written here, by key.
    void Put(SettingKey key, const SettingValue& value) override;
    SettingValue Get(SettingKey key) const override;

    // Keeps the strip on the monitor it is moved to.
    void PositionChanging(Point& proposed) override;
    void TaskbarCreated() override;
    // A strip left off every monitor by the change is brought back onto its nearest one.
    void DisplayChanged() override;
    // The strip is dragged by any point; the button is a window of its own.
    bool DragsByAnyPoint() const override { return true; }

    // Fills the whole band, kWideWidth x kBandHeight, and gives both labels its colour.
    void PaintBackground(TColor colour);
    // Copies the look's picture into the button when the look changes.
    void SetButtonLook(ButtonLook look);
    // For a picture of one moment: the hour form and the real time as given (as loaded where
    // not given), and both lines for the clock's time now, as the ticks would set them.
    void ShowMoment(std::optional<bool> hour24, std::optional<bool> realTime);

  private:
    struct ComponentBinding;
    struct HandlerBinding;
    struct SettingPlace;
    static std::span<const ComponentBinding> ComponentBindings();
    static std::span<const HandlerBinding> HandlerBindings();
    // The component that shows a key, or nothing when the key is kept in settings_.
    static const SettingPlace* ShownPlaceOf(SettingKey key);

    void BindComponents();
    TNotifyEvent FindHandler(std::string_view name) override;
    TMouseEvent FindMouseHandler(std::string_view name) override;

    // Handlers named by the layout.
    void FormCreate(TObject* sender);
    void FormDestroy(TObject* sender);
    void ImageXClick(TObject* sender);
    void TimerVTTimer(TObject* sender);
    void TimerRTTimer(TObject* sender);
    void Timer1Timer(TObject* sender);
    void PopupClick(TObject* sender);
    void TaskTrayMiniXMouseUp(TObject* sender, TMouseButton button, TShiftState shift, int x,
                              int y);
    // Bound by the clock itself: the layout stays as it was before the extras.
    void TaskTrayMiniXBalloonClick(TObject* sender);

    // Errors of the files pass out to the timer's dispatch.
    void TakeScreenshot(WindowId game);
    std::string SettingsPath() const;
    void ShowRealTime(bool show);
    void StartLauncher();
    void ChooseTextColour(TLabel& label);
    void TellAlertsDue(const SystemTime& now);
    // The button's look from where the pointer is and whether the left button is down; away
    // from the pointer, an alert's blink.
    void UpdateButtonLook(const SystemTime& now);
    TColor CurrentBackgroundColor() const;
    void ShowGameLine(const GameTime& t);
    void ShowRealLine(const SystemTime& now);

    // A value no component shows, as loaded from the settings file.
    template <class Value>
    const Value& Setting(SettingKey key) const {
        return std::get<Value>(settings_[static_cast<std::size_t>(key)]);
    }

    // The values the settings file holds that no component shows; a key shown by a component
    // (the place, a menu check, a text colour) lives there instead.
    SettingValues settings_ = DefaultValues();
    const LocalClock& clock_;
    Shell& shell_;
    bool showRealTimeAtStart_ = false;
    SecondWatch lastGameSecond_;
    SecondWatch lastRealSecond_;
    bool lastNight_ = false;
    ButtonLook lastButtonLook_ = ButtonLook::Normal;
    ScreenshotHotkey screenshotHotkey_;
    GameAlerts alerts_;
    AlertBlink blink_;
    // The file the shown balloon names, opened in its folder when the balloon is clicked;
    // empty while the balloon shown, if any, names none.
    std::string noticeFile_;
    friend std::unique_ptr<TFormVT555> CreateFormVT555(TApplication&, const LocalClock&, Shell&,
                                                       std::string_view, const LayoutSources&);
};

inline constexpr int kStripHeight = 38;
// The coloured band behind the clock lines, from the top of its picture.
inline constexpr int kBandHeight = 20;
// The corner button's menu opens this far below the strip's top-left corner.
inline constexpr int kMenuBelowTop = 28;
inline constexpr const char* kLauncherPath = "D:\\Game\\VeltriaRune\\VLTLauncher.exe";
inline constexpr const char* kLauncherFolder = "D:\\Game\\VeltriaRune";
inline constexpr int kNarrowWidth = 175;
inline constexpr int kWideWidth = 350;

// The registry of every kind the clock window's layout uses.
ComponentRegistry ClockWindowKinds();

// Builds the clock window from its layout and binds its components; Show() then makes
// its windows and runs FormCreate.
std::unique_ptr<TFormVT555> CreateFormVT555(TApplication& application, const LocalClock& clock,
                                            Shell& shell, std::string_view layout,
                                            const LayoutSources& sources);

}  // namespace vc
