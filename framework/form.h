#pragma once
#include <string>
#include <string_view>

#include "framework/controls.h"

namespace vc {

class TApplication;

// A top-level window built from a stored layout. Borderless forms only: the outer
// rectangle is the client area.
class TForm : public TWinControl {
  public:
    explicit TForm(TApplication& application);
    ~TForm() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string cp932);
    void SetClientSize(int width, int height);
    void SetPosition(int left, int top);
    bool DoubleBuffered() const { return doubleBuffered_; }
    void SetDoubleBuffered(bool on);
    TColor Color() const { return color_; }

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;

    // The handler of a layout's event binding by name; empty when there is none.
    virtual TNotifyEvent FindHandler(std::string_view name) = 0;
    virtual TMouseEvent FindMouseHandler(std::string_view name) = 0;

    // After the layout: makes the windows, starts the timers, runs OnCreate, shows the form.
    void Show();
    // Runs OnDestroy while every component still exists; the destructor does it otherwise.
    void Destroy();

    bool SetProperty(std::string_view name, const LayoutValue& value,
                     LayoutContext& context) override;

  protected:
    void PaintWindowBackground(Canvas& canvas, const Rect& area) override;

  private:
    void StartTimers();

    std::string caption_;
    TColor color_ = clBtnFace;
    bool stayOnTop_ = false;
    bool doubleBuffered_ = false;
    bool destroyed_ = false;
};

}  // namespace vc
