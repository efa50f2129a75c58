#include "framework/image.h"

#include "framework/errors.h"
#include "framework/menu.h"

namespace vc {

void TImage::SetPicture(const Bitmap& picture) {
    picture_ = picture;
    Invalidate();
}

void TImage::FillPicture(const Rect& area, TColor colour) {
    if (picture_.Empty()) {
        picture_ = Bitmap(Width(), Height(), Rgb{255, 255, 255});
    }
    picture_.Fill(area, System().ResolveColor(colour));
    Invalidate();
}

void TImage::Paint(Canvas& canvas, const Rect& clip) {
    if (!picture_.Empty()) {
        canvas.DrawBitmap(Point{Left(), Top()}, picture_, clip);
    }
}

bool TImage::SetProperty(std::string_view name, const LayoutValue& value, LayoutContext& context) {
    if (name == "Picture") {
        picture_ = DecodeBmp24(context.PictureBytes(value));
    } else if (name == "PopupMenu") {
        context.Reference(value, [this, line = value.line](TComponent& target) {
            popupMenu_ = dynamic_cast<TPopupMenu*>(&target);
            if (popupMenu_ == nullptr) {
                throw ELayoutError(line, target.Name() + " is not a popup menu");
            }
        });
    } else {
        return TControl::SetProperty(name, value, context);
    }
    return true;
}

}  // namespace vc
