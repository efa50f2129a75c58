#include "framework/label.h"

#include "framework/errors.h"
#include "framework/text_prefix.h"

namespace vc {

void TLabel::SetCaption(std::string cp932) {
    if (cp932 != caption_) {
        caption_ = std::move(cp932);
        Invalidate();
        AdjustSize();
    }
}

void TLabel::SetColor(TColor colour) {
    if (colour != color_) {
        color_ = colour;
        Invalidate();
    }
}

void TLabel::SetFontColor(TColor colour) {
    if (colour != font_.Color) {
        font_.Color = colour;
        Invalidate();
    }
}

void TLabel::AdjustSize() {
    if (!autoSize_) {
        return;
    }
    const TextMetrics& metrics = System().Metrics();
    const int width = metrics.TextWidth(StripPrefix(caption_).shown, font_);
    const int height = metrics.TextHeight(font_);
    // A right-aligned label keeps its right edge; the others their left edge.
    const int left = alignment_ == TAlignment::taRightJustify ? BoundsRect().right - width : Left();
    SetBounds(RectAt(left, Top(), width, height));
}

void TLabel::Paint(Canvas& canvas, const Rect& clip) {
    if (color_ != clNone) {
        canvas.FillRect(clip, color_);
    }
    const PrefixedText text = StripPrefix(caption_);
    int x = Left();
    // Left-aligned text needs no measuring: the game line repaints eight times a second.
    if (alignment_ == TAlignment::taCenter) {
        x += (Width() - System().Metrics().TextWidth(text.shown, font_)) / 2;
    } else if (alignment_ == TAlignment::taRightJustify) {
        x += Width() - System().Metrics().TextWidth(text.shown, font_);
    }
    canvas.DrawText(Point{x, Top()}, text.shown, font_, clip, text.underline);
}

bool TLabel::SetProperty(std::string_view name, const LayoutValue& value, LayoutContext& context) {
    if (name == "Caption") {
        caption_ = value.AsString();
    } else if (name == "Color") {
        color_ = value.AsColor();
    } else if (name == "Alignment") {
        alignment_ =
            static_cast<TAlignment>(value.AsEnum({"taLeftJustify", "taRightJustify", "taCenter"}));
    } else if (name == "AutoSize") {
        autoSize_ = value.AsBool();
    } else if (name == "ParentColor" || name == "ParentFont") {
        // Labels keep a colour and font of their own; inheriting them is not modelled.
        if (value.AsBool()) {
            throw ELayoutError(value.line, std::string(name) + " True is not supported");
        }
    } else if (!SetFontProperty(font_, name, value)) {
        return TControl::SetProperty(name, value, context);
    }
    return true;
}

bool SetFontProperty(TFont& font, std::string_view name, const LayoutValue& value) {
    if (name == "Font.Name") {
        font.Name = value.AsString();
    } else if (name == "Font.Height") {
        font.Height = value.AsInt();
    } else if (name == "Font.Charset") {
        font.Charset =
            value.AsEnum({"DEFAULT_CHARSET", "SHIFTJIS_CHARSET"}) == 1 ? kShiftJisCharset : 1;
    } else if (name == "Font.Color") {
        font.Color = value.AsColor();
    } else if (name == "Font.Style") {
        for (const std::string& style : value.items) {
            font.Bold = font.Bold || style == "fsBold";
            font.Italic = font.Italic || style == "fsItalic";
        }
    } else {
        return false;
    }
    return true;
}

bool SkipFontProperty(std::string_view name, const LayoutValue& value) {
    TFont unused;
    return SetFontProperty(unused, name, value);
}

}  // namespace vc
