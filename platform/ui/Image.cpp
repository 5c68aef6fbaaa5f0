#include "platform/ui/Image.h"

#include "platform/ui/Properties.h"

namespace tresilva {

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
    StoreBounds(0, 0, 105, 105);
    picture_.OnChange = [this] { PictureChanged(); };
}

TImage::~TImage() { picture_.OnChange = nullptr; }

void TImage::SetPicture(const TPicture& value) { picture_.Assign(value); }

void TImage::PictureChanged() {
    if (autoSize_ && picture_.Width() > 0 && picture_.Height() > 0) {
        SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
    }
    Invalidate();
}

void TImage::SetAutoSize(bool value) {
    if (value == autoSize_) return;
    autoSize_ = value;
    if (value) PictureChanged();
}

void TImage::SetCenter(bool value) {
    if (value == center_) return;
    center_ = value;
    Invalidate();
}

void TImage::SetStretch(bool value) {
    if (value == stretch_) return;
    stretch_ = value;
    Invalidate();
}

void TImage::Paint() {
    const TBitmap& bitmap = picture_.Bitmap();
    if (bitmap.Empty()) return;
    TCanvas& canvas = Canvas();
    if (stretch_) {
        canvas.StretchDraw(ClientRect(), bitmap);
    } else if (center_) {
        canvas.Draw((Width() - bitmap.Width()) / 2, (Height() - bitmap.Height()) / 2, bitmap);
    } else {
        canvas.Draw(0, 0, bitmap);
    }
}

const TClassInfo& TImage::StaticClassInfo() {
    static const TClassInfo info = [] {
        using C = TImage;
        TClassInfo c("TImage", &TGraphicControl::StaticClassInfo(), MakeFactory<TImage>());
        c.InheritAll();
        c.Inherit("Align");
        c.Publish(BooleanProperty("AutoSize", &C::AutoSize, &C::SetAutoSize));
        c.Publish(BooleanProperty("Center", &C::Center, &C::SetCenter));
        c.Inherit("DragCursor");
        c.Inherit("DragMode");
        c.Inherit("Enabled");
        c.Inherit("ParentShowHint");
        c.Publish(PictureProperty("Picture", [](C& image) -> const TPicture& { return image.Picture(); },
                                  &C::SetPicture));
        c.Inherit("PopupMenu");
        c.Inherit("ShowHint");
        c.Publish(BooleanProperty("Stretch", &C::Stretch, &C::SetStretch));
        c.Inherit("Visible");
        for (const char* name :
             {"OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnMouseDown", "OnMouseMove", "OnMouseUp"}) {
            c.Inherit(name);
        }
        return c;
    }();
    return info;
}

}  // namespace tresilva
