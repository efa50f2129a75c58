#include "framework/form.h"

#include "framework/application.h"
#include "framework/label.h"
#include "framework/timer.h"

namespace vc {

TForm::TForm(TApplication& application) : TWinControl(&application) {}

TForm::~TForm() {
    Destroy();
}

void TForm::Destroy() {
    if (destroyed_) {
        return;
    }
    destroyed_ = true;
    if (OnDestroy) {
        Dispatch([this] { OnDestroy(this); });
    }
}

void TForm::SetCaption(std::string cp932) {
    caption_ = std::move(cp932);
    if (Window() != nullptr) {
        Window()->SetCaption(caption_);
    }
}

void TForm::SetClientSize(int width, int height) {
    Place(Point{Left(), Top()}, Size{width, height});
}

void TForm::SetPosition(int left, int top) {
    Place(Point{left, top}, Size{Width(), Height()});
}

namespace {

// The windowed children too: a button whose look changes would otherwise show its
// background for a moment before its picture (twice a second while an alert blinks).
void BufferWindows(const TWinControl& control, bool on) {
    if (control.Window() != nullptr) {
        control.Window()->SetDoubleBuffered(on);
    }
    for (const TControl* child : control.Controls()) {
        if (const auto* windowed = dynamic_cast<const TWinControl*>(child)) {
            BufferWindows(*windowed, on);
        }
    }
}

}  // namespace

void TForm::SetDoubleBuffered(bool on) {
    doubleBuffered_ = on;
    BufferWindows(*this, on);
}

void TForm::Show() {
    SetWindow(System().CreateTopLevel(*this, TopLevelStyle{ClassName(), stayOnTop_}, BoundsRect()));
    Window()->SetCaption(caption_);
    CreateChildWindows();
    BufferWindows(*this, doubleBuffered_);
    StartTimers();
    if (OnCreate) {
        Dispatch([this] { OnCreate(this); });
    }
    Window()->Show();
}

void TForm::StartTimers() {
    for (std::size_t i = 0; i < ComponentCount(); ++i) {
        if (auto* timer = dynamic_cast<TTimer*>(&Component(i))) {
            timer->Start();
        }
    }
}

void TForm::PaintWindowBackground(Canvas& canvas, const Rect& area) {
    canvas.FillRect(area, color_);
}

bool TForm::SetProperty(std::string_view name, const LayoutValue& value, LayoutContext& context) {
    if (name == "Caption") {
        caption_ = value.AsString();
    } else if (name == "ClientWidth") {
        SetClientSize(value.AsInt(), Height());
    } else if (name == "ClientHeight") {
        SetClientSize(Width(), value.AsInt());
    } else if (name == "Color") {
        color_ = value.AsColor();
    } else if (name == "BorderStyle") {
        value.AsEnum({"bsNone"});
    } else if (name == "FormStyle") {
        stayOnTop_ = value.AsEnum({"fsNormal", "fsStayOnTop"}) == 1;
    } else if (name == "DoubleBuffered") {
        doubleBuffered_ = value.AsBool();
    } else if (name == "PixelsPerInch" || name == "TextHeight") {
        value.AsInt();  // designed at 96 dpi; the strip keeps fixed units, scaled per monitor
    } else if (name == "OnCreate") {
        OnCreate = context.NotifyHandler(value);
    } else if (name == "OnDestroy") {
        OnDestroy = context.NotifyHandler(value);
    } else if (!SkipFontProperty(name, value)) {
        return TWinControl::SetProperty(name, value, context);
    }
    return true;
}

}  // namespace vc
