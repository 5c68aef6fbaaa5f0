#include "controls/freelib/Pad3D.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "controls/freelib/ShadingTypes.h"
#include "controls/freelib/Underlay.h"
#include "platform/data/Resources.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/Properties.h"

namespace tresilva {

namespace {

using i64 = std::int64_t;

int ToInt(i64 v) { return static_cast<int>(std::clamp<i64>(v, INT_MIN, INT_MAX)); }

}  // namespace

TPad3D::TPad3D(TComponent* owner) : TGraphicControl(owner) {
    SetHeight(50);
    SetWidth(200);
    // The face picture of a program that embeds a "Background" bitmap; this
    // one embeds none, so every pad starts with an empty picture.
    if (auto bytes = FindResource("Background.bmp")) picture_.SetBitmap(TBitmap::FromBmpBytes(*bytes));
    alignment_ = taCenter;
    shadowIntensity_ = 60;
    shadowQuality_ = quLow;
    shadowPosition_ = shBottomRight;
    shadowWidth_ = 4;
    borderQuality_ = quLow;
    borderWidth_ = 3;
    borderIntensity_ = 40;
    background_ = bgMosaic;
}

TPad3D::~TPad3D() = default;

void TPad3D::SetAlignment(TAlignment value) {
    if (value == alignment_) return;
    alignment_ = value;
    Invalidate();
}

void TPad3D::SetCaption(const std::string& value) {
    caption_ = value;
    Repaint();
}

void TPad3D::SetPicture(const TPicture& value) {
    picture_.Assign(value);
    Repaint();
}

void TPad3D::SetShadowIntensity(int value) {
    shadowIntensity_ = value;
    Repaint();
}

void TPad3D::SetShadowQuality(TQuality value) {
    shadowQuality_ = value;
    Repaint();
}

void TPad3D::SetShadowPosition(TShadowPos value) {
    shadowPosition_ = value;
    Repaint();
}

void TPad3D::SetShadowWidth(int value) {
    shadowWidth_ = value;
    Repaint();
}

void TPad3D::SetBorderQuality(TQuality value) {
    borderQuality_ = value;
    Repaint();
}

void TPad3D::SetBorderWidth(int value) {
    borderWidth_ = value;
    Repaint();
}

void TPad3D::SetBorderIntensity(int value) {
    borderIntensity_ = value;
    Repaint();
}

void TPad3D::SetBackground(TBackground value) {
    background_ = value;
    Repaint();
}

void TPad3D::Paint() {
    if (background_ == bgPicture) {
        // The pad takes the picture's size plus the shadow; the size setters
        // ask for a later repaint, and this paint goes on at the new size.
        SetWidth(ToInt(i64{picture_.Width()} + shadowWidth_));
        SetHeight(ToInt(i64{picture_.Height()} + shadowWidth_));
    }
    const i64 w = Width(), h = Height(), sw = shadowWidth_;
    TCanvas& canvas = Canvas();
    TUnderlay beneath(canvas, Width(), Height());

    i64 th = 0;
    const std::string text = DrawTextBuffer(caption_);
    if (!text.empty()) {
        canvas.Font().Assign(Font());
        th = canvas.TextHeight(text);
    }
    // One line of text centred on a face h - sw pixels high.
    const i64 c = (h - sw - th) / 2;

    i64 tl = 0, tt = c, tr = w - sw;  // text rectangle (right, bottom exclusive)
    i64 fx = 0, fy = 0;               // face origin
    i64 bl = 0, bt = 0, br = w - sw - 1, bb = h - sw - 1;  // border, inclusive
    switch (shadowPosition_) {
        case shBottomLeft:
            tl = sw, tt = c, tr = w;
            fx = sw + 1, fy = 0;
            bl = sw + 1, bt = 0, br = w, bb = h - sw - 1;
            break;
        case shTopLeft:
            tl = sw, tt = sw + c, tr = w;
            fx = sw + 1, fy = sw + 1;
            bl = sw + 1, bt = sw + 1, br = w, bb = h;
            break;
        case shTopRight:
            tl = 0, tt = sw + c, tr = w - sw;
            fx = 0, fy = sw + 1;
            bl = 0, bt = sw + 1, br = w - sw - 1, bb = h;
            break;
        default:  // shBottomRight
            break;
    }

    const TBitmap& face = picture_.Bitmap();
    if (face.Width() > 0) {
        if (background_ == bgMosaic) {
            TileBitmap(beneath.Canvas(), ToInt(fx), ToInt(fy), ToInt(w - sw), ToInt(h - sw), face);
        } else {
            beneath.Canvas().Draw(ToInt(fx), ToInt(fy), face);
        }
    }
    ShadeBorder(beneath.Canvas(), ToInt(bl), ToInt(bt), ToInt(br), ToInt(bb), borderWidth_, borderIntensity_, 0, 1,
                borderQuality_);
    CastShadow(beneath.Canvas(), 0, 0, ToInt(w), ToInt(h), shadowWidth_, ToInt(-i64{shadowIntensity_}),
               shadowPosition_, shadowQuality_);
    beneath.PutBack();

    if (!text.empty()) {
        const TRect rect = Rect(ToInt(tl), ToInt(tt), ToInt(tr), ToInt(tt + th));
        DrawCaption(rect, AlignmentFlag(alignment_) | DT_WORDBREAK | DT_EXPANDTABS);
    }
}

void TPad3D::DrawCaption(TRect rect, unsigned flags) {
    TCanvas& canvas = Canvas();
    canvas.Font().Assign(Font());
    canvas.DrawText(DrawTextBuffer(caption_), rect, flags);
}

const TClassInfo& TPad3D::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo c("TPad3D", &TGraphicControl::StaticClassInfo(), MakeFactory<TPad3D>());
        c.InheritAll();
        c.Inherit("Align");
        c.Publish(EnumProperty("Alignment", AlignmentType(), &TPad3D::Alignment, &TPad3D::SetAlignment));
        c.Inherit("Font");
        c.Publish(StringProperty("Caption", &TPad3D::Caption, &TPad3D::SetCaption));
        c.Publish(PictureProperty(
            "Picture", [](TPad3D& pad) -> const TPicture& { return pad.Picture(); }, &TPad3D::SetPicture));
        c.Publish(IntegerProperty("ShadowIntensity", &TPad3D::ShadowIntensity, &TPad3D::SetShadowIntensity));
        c.Publish(EnumProperty("ShadowQuality", QualityType(), &TPad3D::ShadowQuality, &TPad3D::SetShadowQuality));
        c.Publish(EnumProperty("ShadowPosition", ShadowPosType(), &TPad3D::ShadowPosition,
                               &TPad3D::SetShadowPosition));
        c.Publish(IntegerProperty("ShadowWidth", &TPad3D::ShadowWidth, &TPad3D::SetShadowWidth));
        c.Publish(EnumProperty("BorderQuality", QualityType(), &TPad3D::BorderQuality, &TPad3D::SetBorderQuality));
        c.Publish(IntegerProperty("BorderWidth", &TPad3D::BorderWidth, &TPad3D::SetBorderWidth));
        c.Publish(IntegerProperty("BorderIntensity", &TPad3D::BorderIntensity, &TPad3D::SetBorderIntensity));
        c.Publish(EnumProperty("Background", BackgroundType(), &TPad3D::Background, &TPad3D::SetBackground));
        c.Inherit("Visible", "visible");
        for (const char* name : {"DragCursor", "DragMode", "Enabled", "ParentShowHint", "PopupMenu", "ShowHint",
                                 "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnMouseDown",
                                 "OnMouseMove", "OnMouseUp"})
            c.Inherit(name);
        return c;
    }();
    return info;
}

}  // namespace tresilva
