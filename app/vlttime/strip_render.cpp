#include "app/vlttime/strip_render.h"

#include "framework/resources.h"
#include "platform/posix/cp932.h"
#include "platform/raster/empty_desktop.h"

namespace vc {

HeadlessStrip::HeadlessStrip(HeadlessWindowSystem& system, const SystemTime& start,
                             const std::string& programPath,
                             std::optional<std::string> documentsFolder)
    : system_(system),
      application_(system_, ApplicationTitle(programPath)),
      clock_(start),
      shell_(programPath, std::move(documentsFolder)) {
    const LayoutSources sources{Utf8ToCp932, ResourceBytes};
    form_ = CreateFormVT555(application_, clock_, shell_, ResourceBytes("TFORMVT555"), sources);
    form_->Show();
}

Bitmap RenderStrip(const StripPicture& picture) {
    EmptyDesktop desktop;
    NoNotificationArea tray;
    HeadlessWindowSystem system(BitmapFont::Shared(), desktop, tray);
    system.dpi = picture.dpi;
    HeadlessStrip strip(system, picture.at, picture.programPath);
    TFormVT555& form = strip.Form();
    form.ShowMoment(picture.hour24, picture.realTime);
    form.SetButtonLook(picture.look);
    return strip.Render();
}

}  // namespace vc
