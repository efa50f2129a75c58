#include "window/form_vt555.h"

#include <algorithm>
#include <array>
#include <exception>
#include <type_traits>
#include <utility>

#include "clock/clock_lines.h"
#include "clock/game_time.h"
#include "clock/local_calendar.h"
#include "framework/game_client.h"
#include "framework/texts.h"
#include "window/balloon_texts.h"
#include "window/desktop_clamp.h"

namespace vc {
namespace {

const Rect kBandArea{0, 0, kWideWidth, kBandHeight};

}  // namespace

TFormVT555::TFormVT555(TApplication& application, const LocalClock& clock, Shell& shell)
    : TForm(application), clock_(clock), shell_(shell) {}

// One row per member: the layout's name and the member it sets, whose type is the kind the
// component must be.
struct TFormVT555::ComponentBinding {
    std::string_view name;
    void (*bind)(TFormVT555& form, std::string_view name);

    template <auto member>
    static constexpr ComponentBinding Row(std::string_view name) {
        return {name, [](TFormVT555& form, std::string_view found) {
                    using Kind =
                        std::remove_pointer_t<std::remove_reference_t<decltype(form.*member)>>;
                    form.*member = &FindAs<Kind>(form, found);
                }};
    }
};

std::span<const TFormVT555::ComponentBinding> TFormVT555::ComponentBindings() {
    using B = ComponentBinding;
    static constexpr std::array table{
        B::Row<&TFormVT555::Image_BG>("Image_BG"),
        B::Row<&TFormVT555::Label_VTime>("Label_VTime"),
        B::Row<&TFormVT555::Label_RTime>("Label_RTime"),
        B::Row<&TFormVT555::Image_BtnNormal>("Image_BtnNormal"),
        B::Row<&TFormVT555::Image_BtnOver>("Image_BtnOver"),
        B::Row<&TFormVT555::Image_BtnDown>("Image_BtnDown"),
        B::Row<&TFormVT555::PanelX>("PanelX"),
        B::Row<&TFormVT555::ImageX>("ImageX"),
        B::Row<&TFormVT555::TimerVT>("TimerVT"),
        B::Row<&TFormVT555::TimerRT>("TimerRT"),
        B::Row<&TFormVT555::Timer1>("Timer1"),
        B::Row<&TFormVT555::PopupMenuC>("PopupMenuC"),
        B::Row<&TFormVT555::Popup_execute>("Popup_execute"),
        B::Row<&TFormVT555::Popup_24Hour>("Popup_24Hour"),
        B::Row<&TFormVT555::Popup_ShowRTime>("Popup_ShowRTime"),
        B::Row<&TFormVT555::Popup_BGColor>("Popup_BGColor"),
        B::Row<&TFormVT555::Popup_VColor>("Popup_VColor"),
        B::Row<&TFormVT555::Popup_RColor>("Popup_RColor"),
        B::Row<&TFormVT555::Popup_SS>("Popup_SS"),
        B::Row<&TFormVT555::Popup_Exit>("Popup_Exit"),
        B::Row<&TFormVT555::ColorDialogX>("ColorDialogX"),
        B::Row<&TFormVT555::TaskTrayMiniX>("TaskTrayMiniX"),
    };
    return table;
}

// The handlers a layout's event may name: a notify event's or a mouse event's, by name.
struct TFormVT555::HandlerBinding {
    std::string_view name;
    void (TFormVT555::*notify)(TObject*) = nullptr;
    void (TFormVT555::*mouse)(TObject*, TMouseButton, TShiftState, int, int) = nullptr;
};

std::span<const TFormVT555::HandlerBinding> TFormVT555::HandlerBindings() {
    static constexpr std::array<HandlerBinding, 8> table{{
        {"FormCreate", &TFormVT555::FormCreate},
        {"FormDestroy", &TFormVT555::FormDestroy},
        {"ImageXClick", &TFormVT555::ImageXClick},
        {"TimerVTTimer", &TFormVT555::TimerVTTimer},
        {"TimerRTTimer", &TFormVT555::TimerRTTimer},
        {"Timer1Timer", &TFormVT555::Timer1Timer},
        {"PopupClick", &TFormVT555::PopupClick},
        {"TaskTrayMiniXMouseUp", nullptr, &TFormVT555::TaskTrayMiniXMouseUp},
    }};
    return table;
}

namespace {

template <typename Row>
std::vector<std::string_view> NamesOf(std::span<const Row> rows) {
    std::vector<std::string_view> names;
    for (const Row& row : rows) {
        names.push_back(row.name);
    }
    return names;
}

template <typename Row>
const Row* Named(std::span<const Row> rows, std::string_view name) {
    const auto found =
        std::find_if(rows.begin(), rows.end(), [name](const Row& row) { return row.name == name; });
    return found == rows.end() ? nullptr : &*found;
}

}  // namespace

std::vector<std::string_view> TFormVT555::BoundComponentNames() {
    return NamesOf(ComponentBindings());
}

std::vector<std::string_view> TFormVT555::BoundHandlerNames() {
    return NamesOf(HandlerBindings());
}

void TFormVT555::BindComponents() {
    for (const ComponentBinding& row : ComponentBindings()) {
        row.bind(*this, row.name);
    }
    TaskTrayMiniX->OnBalloonClick = [this](TObject* sender) { TaskTrayMiniXBalloonClick(sender); };
}

TNotifyEvent TFormVT555::FindHandler(std::string_view name) {
    const HandlerBinding* row = Named(HandlerBindings(), name);
    if (row == nullptr || row->notify == nullptr) {
        return {};
    }
    return [this, member = row->notify](TObject* sender) { (this->*member)(sender); };
}

TMouseEvent TFormVT555::FindMouseHandler(std::string_view name) {
    const HandlerBinding* row = Named(HandlerBindings(), name);
    if (row == nullptr || row->mouse == nullptr) {
        return {};
    }
    return
        [this, member = row->mouse](TObject* sender, TMouseButton button, TShiftState shift, int x,
                                    int y) { (this->*member)(sender, button, shift, x, y); };
}

void TFormVT555::FormCreate(TObject*) {
    // Without a documents folder, screenshots go beside the program.
    const std::optional<std::string> documents = shell_.DocumentsFolder();
    Put(SettingKey::SaveFolder,
        documents ? *documents
                  : std::string(FolderOf(shell_.ProgramPath(), shell_.PathLeadByte())));
    LoadSettings();
    alerts_ = GameAlerts(AlertChoice{Setting<bool>(SettingKey::AlertDusk),
                                     Setting<bool>(SettingKey::AlertDawn),
                                     Setting<GameTimesOfDay>(SettingKey::AlertAt).minutes,
                                     Setting<std::int32_t>(SettingKey::AlertLead)});
    SetClientSize(kNarrowWidth, kStripHeight);
    SetCaption(std::string(texts::kWindowCaption.cp932));
    SetDoubleBuffered(true);
    ShowRealTime(showRealTimeAtStart_);
    TaskTrayMiniX->SetIcon(TrayAction::Add, System().ApplicationIcon(),
                           texts::kWindowCaption.cp932);
    PaintBackground(CurrentBackgroundColor());
}

void TFormVT555::ShowRealTime(bool show) {
    Popup_ShowRTime->SetChecked(show);
    SetClientSize(show ? kWideWidth : kNarrowWidth, kStripHeight);
    Popup_RColor->SetVisible(show);
}

void TFormVT555::PositionChanging(Point& proposed) {
    // The window's size as it stands, not the one proposed with the move.
    const Size size{Width(), Height()};
    proposed = KeepOnArea(proposed, size, System().MonitorRectNear(ClampedRectAt(proposed, size)));
}

void TFormVT555::FormDestroy(TObject*) {
    TaskTrayMiniX->SetIcon(TrayAction::Delete, System().ApplicationIcon(),
                           texts::kWindowCaption.cp932);
}

// Windows moves windows off a removed monitor, but not always a topmost tool window whose
// monitor merely shrank; one left outside could not be dragged back. One already inside is
// not touched.
void TFormVT555::DisplayChanged() {
    const Point standing{Left(), Top()};
    Point kept = standing;
    PositionChanging(kept);
    if (!(kept == standing)) {
        SetPosition(kept.x, kept.y);
    }
}

// Without this the icon would be gone until the next start.
void TFormVT555::TaskbarCreated() {
    ProcessTrayModule().ReAddShownIcons();
}

// The player has seen the button: what it blinks for is told.
void TFormVT555::ImageXClick(TObject*) {
    blink_.EndPending(WallClockMs(clock_.Now()));
    PopupMenuC->Popup(Point{Left(), Top() + kMenuBelowTop});
}

void TFormVT555::TimerVTTimer(TObject*) {
    const SystemTime now = clock_.Now();
    if (alerts_.AnyOn()) {
        TellAlertsDue(now);
    }
    UpdateButtonLook(now);
    Popup_execute->SetVisible(!System().TheDesktop().WindowOfClassExists(kGameWindowClass));
    const GameTime t = CalcGameTime(now);
    const bool night = IsGameNight(t);
    if (night != lastNight_ && Popup_BGColor->Checked()) {
        PaintBackground(Setting<TColor>(night ? SettingKey::NightColor : SettingKey::DayColor));
    }
    lastNight_ = night;
    if (lastGameSecond_.Changed(t.Second)) {
        ShowGameLine(t);
    }
}

void TFormVT555::ShowGameLine(const GameTime& t) {
    Label_VTime->SetCaption(FormatGameLine(t, Popup_24Hour->Checked()));
}

void TFormVT555::ShowRealLine(const SystemTime& now) {
    Label_RTime->SetCaption(FormatRealLine(now, Popup_24Hour->Checked()));
}

void TFormVT555::ShowMoment(std::optional<bool> hour24, std::optional<bool> realTime) {
    if (hour24) {
        Popup_24Hour->SetChecked(*hour24);
    }
    if (realTime) {
        ShowRealTime(*realTime);
    }
    const SystemTime now = clock_.Now();
    ShowGameLine(CalcGameTime(now));
    ShowRealLine(now);
}

// A tick with nothing due allocates nothing: the texts are made only for a balloon. The
// balloon may be held back by Windows while a game has the screen; the blink is not.
void TFormVT555::TellAlertsDue(const SystemTime& now) {
    while (const auto due = alerts_.Next(now)) {
        blink_.Told(due->slot, due->occurrence);
        const BalloonText balloon = AlertBalloon(*due);
        noticeFile_.clear();
        TaskTrayMiniX->ShowBalloon(balloon.title, balloon.text, BalloonTiming::NowOrDropped);
    }
}

void TFormVT555::TimerRTTimer(TObject*) {
    const SystemTime now = clock_.Now();
    if (lastRealSecond_.Changed(now.wSecond)) {
        ShowRealLine(now);
    }
}

// While a failed capture's error box is open its loop runs this timer on: the player may
// have mended the cause and pressed again from the game, so each press is still tried. One
// that fails again opens no second box behind the first, which already tells it.
void TFormVT555::Timer1Timer(TObject*) {
    const WindowId game = screenshotHotkey_.Poll(System().TheDesktop(), Popup_SS->Checked());
    if (game == 0) {
        return;
    }
    try {
        TakeScreenshot(game);
    } catch (const std::exception&) {
        if (!Timer1->ErrorBoxOpen()) {
            throw;  // to the dispatch, which shows it
        }
    }
}

void TFormVT555::TakeScreenshot(WindowId game) {
    const auto saved =
        vc::TakeScreenshot(System().TheDesktop(), shell_, clock_, game,
                           ScreenshotTarget{Setting<std::string>(SettingKey::SaveFolder),
                                            Setting<bool>(SettingKey::Bmp)});
    if (saved && Setting<bool>(SettingKey::ShotNotice)) {
        const BalloonText balloon = SavedBalloon(*saved);
        noticeFile_ = saved->PathOf(saved->JpegName());
        TaskTrayMiniX->ShowBalloon(balloon.title, balloon.text);
    }
}

void TFormVT555::TaskTrayMiniXBalloonClick(TObject*) {
    if (!noticeFile_.empty()) {
        System().TheDesktop().ShowInFolder(std::exchange(noticeFile_, {}));
    }
}

void TFormVT555::PopupClick(TObject* sender) {
    if (sender == Popup_execute) {
        StartLauncher();
    }
    if (sender == Popup_24Hour) {
        Popup_24Hour->SetChecked(!Popup_24Hour->Checked());
    }
    if (sender == Popup_ShowRTime) {
        ShowRealTime(!Popup_ShowRTime->Checked());
    }
    if (sender == Popup_BGColor) {
        Popup_BGColor->SetChecked(!Popup_BGColor->Checked());
        PaintBackground(CurrentBackgroundColor());
    }
    if (sender == Popup_SS) {
        Popup_SS->SetChecked(!Popup_SS->Checked());
    }
    if (sender == Popup_VColor) {
        ChooseTextColour(*Label_VTime);
    }
    if (sender == Popup_RColor) {
        ChooseTextColour(*Label_RTime);
    }
    if (sender == Popup_Exit) {
        SaveSettings();
        System().Terminate();
    }
}

// Game launchers often ask for administrator rights, which CreateProcess refuses; the shell
// then asks the user. Every other failure is silent.
void TFormVT555::StartLauncher() {
    Desktop& desktop = System().TheDesktop();
    if (desktop.StartProcess(kLauncherPath, kLauncherFolder) == StartResult::NeedsElevation) {
        desktop.StartElevated(kLauncherPath, kLauncherFolder);
    }
}

void TFormVT555::ChooseTextColour(TLabel& label) {
    if (ColorDialogX->Execute()) {
        label.SetFontColor(ColorDialogX->Color());
    }
}

void TFormVT555::UpdateButtonLook(const SystemTime& now) {
    const Point cursor = System().TheDesktop().CursorPos();
    const Point inClient{cursor.x - Left(), cursor.y - Top()};
    ButtonLook look = blink_.ShowsDown(WallClockMs(now)) ? ButtonLook::Down : ButtonLook::Normal;
    if (PanelX->BoundsRect().Contains(inClient)) {
        look = System().TheDesktop().KeyDown(Key::LeftButton) ? ButtonLook::Down : ButtonLook::Over;
    }
    SetButtonLook(look);
}

void TFormVT555::TaskTrayMiniXMouseUp(TObject*, TMouseButton, TShiftState, int x, int y) {
    PopupMenuC->Popup(Point{x, y});
}

void TFormVT555::PaintBackground(TColor colour) {
    Image_BG->FillPicture(kBandArea, colour);
    Label_VTime->SetColor(colour);
    Label_RTime->SetColor(colour);
}

TColor TFormVT555::CurrentBackgroundColor() const {
    if (!Popup_BGColor->Checked()) {
        return Setting<TColor>(SettingKey::DefaultColor);
    }
    return Setting<TColor>(IsGameNight(CalcGameTime(clock_)) ? SettingKey::NightColor
                                                             : SettingKey::DayColor);
}

void TFormVT555::SetButtonLook(ButtonLook look) {
    if (look == lastButtonLook_) {
        return;
    }
    lastButtonLook_ = look;
    const TImage* source = look == ButtonLook::Over   ? Image_BtnOver
                           : look == ButtonLook::Down ? Image_BtnDown
                                                      : Image_BtnNormal;
    ImageX->SetPicture(source->Picture());
}

ComponentRegistry ClockWindowKinds() {
    ComponentRegistry registry = ComponentRegistry::WithStandardKinds();
    registry.Register<TTaskTrayMini>("TTaskTrayMini");
    registry.Register<TMyCallback>("TMyCallback");
    return registry;
}

std::unique_ptr<TFormVT555> CreateFormVT555(TApplication& application, const LocalClock& clock,
                                            Shell& shell, std::string_view layout,
                                            const LayoutSources& sources) {
    auto form = std::make_unique<TFormVT555>(application, clock, shell);
    try {
        LoadLayout(*form, layout, ClockWindowKinds(), sources);
        form->BindComponents();
    } catch (...) {
        // The layout may have named a handler for OnDestroy already, and every handler needs
        // the components bound.
        form->OnDestroy = nullptr;
        throw;
    }
    return form;
}

}  // namespace vc
