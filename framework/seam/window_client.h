#pragma once
#include "framework/canvas.h"
#include "framework/geometry.h"
#include "framework/mouse.h"
#include "framework/seam/notification_area.h"

namespace vc {

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
    // A mouse action on a notification-area icon whose TrayIcon names this window.
    virtual void TrayMouseAction(const TrayMouse& action) { (void)action; }
    // The taskbar was made anew (the shell restarted): icons must be added again. Top-level
    // windows hear it.
    virtual void TaskbarCreated() {}
    // The displays changed (a monitor added or removed, a resolution changed): where the
    // window stands may now lie off every monitor. Top-level windows hear it.
    virtual void DisplayChanged() {}
    // The window moved to a monitor of another DPI and was sized for it: its children are
    // placed again at the new scale.
    virtual void DpiChanged() {}
};

}  // namespace vc
